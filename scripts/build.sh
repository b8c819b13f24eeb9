#!/usr/bin/env bash
# Configures and builds into ./build (or $KYT_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${KYT_BUILD_DIR:-build}"
mkdir -p "$BUILD"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > "$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
cmake --build "$BUILD" -j"$(nproc)"
