#!/usr/bin/env bash
# Builds and runs the template file benchmark; prints median read and write
# times for a template of 500 objects and 10 pictures.
#   bench/files/run.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR=${1:-build-bench}
ROUNDS=${2:-21}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j2 --target bench_files
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/bench/files/bench_files" "$ROUNDS"
