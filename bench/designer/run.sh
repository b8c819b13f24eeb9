#!/usr/bin/env bash
# Designer benchmark: a 200-object template opened in the designer window,
# and a drag across the card, step by step (medians, min, max).
#   usage: bench/designer/run.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
src="$(cd "$here/../.." && pwd)"
source "$here/../lib/common.sh"
build="$(cd "${1:-$src/build}" && pwd)"
[[ -x "$build/bench/designer/bench_designer" ]] || { echo "not built: cmake --build $build --target bench_designer" >&2; exit 2; }
machine
QT_QPA_PLATFORM=offscreen "$build/bench/designer/bench_designer" "${2:-21}"
