#!/usr/bin/env bash
# Builds the Debian packages into ./build-deb (or the folder given):
# configures for the /usr prefix without tests, benchmarks or samples, builds,
# runs cpack -G DEB, and runs lintian on the result when it is installed
# (its findings also in BUILD_DIR/lintian.txt).
#   scripts/package.sh [BUILD_DIR] [extra configure arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build-deb}"
[[ $# -gt 0 ]] && shift
mkdir -p "$BUILD"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DKYT_BUILD_TESTS=OFF -DKYT_BUILD_BENCH=OFF -DKYT_BUILD_EXAMPLES=OFF -DKYT_BUILD_PLUGINS=OFF -DKYT_BUILD_TREE_PATHS=OFF "$@" \
  > "$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
cmake --build "$BUILD" -j"$(nproc)"
rm -f "$BUILD"/*.deb
(cd "$BUILD" && cpack -G DEB > cpack.log 2>&1) || { cat "$BUILD/cpack.log"; exit 1; }
ls "$BUILD"/*.deb
# lintian's findings are shown and kept in $BUILD/lintian.txt (removed when
# lintian is not installed).
rm -f "$BUILD/lintian.txt"
if command -v lintian >/dev/null; then
  lintian "$BUILD"/*.deb > "$BUILD/lintian.txt" 2>&1 || true
  cat "$BUILD/lintian.txt"
fi
