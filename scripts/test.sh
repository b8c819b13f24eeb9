#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite. Arguments go to
# the configure step (e.g. -DKYT_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${KYT_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
