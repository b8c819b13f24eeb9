#!/usr/bin/env bash
# The installed package works for a host: install into a temporary prefix,
# build a small program with find_package(KYTPreview), and print a card.
set -euo pipefail
BUILD_DIR=$(cd "${1:?build dir}" && pwd)
SOURCE_DIR=$(cd "${2:?source dir}" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
cmake --install "$BUILD_DIR" --prefix "$T/prefix" > "$T/install.log" 2>&1 || { cat "$T/install.log"; exit 1; }
[ -f "$T/prefix/lib/pkgconfig/kytpreview.pc" ] || { echo "FAIL: no pkg-config file"; exit 1; }
cmake -S "$SOURCE_DIR/tests/data/consumer" -B "$T/build" -G Ninja -DCMAKE_PREFIX_PATH="$T/prefix" > "$T/configure.log" 2>&1 \
  || { cat "$T/configure.log"; exit 1; }
cmake --build "$T/build" > "$T/build.log" 2>&1 || { cat "$T/build.log"; exit 1; }
export QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH="$T/prefix/lib" KYT_LOG_DIR="$T/log" KYT_REGISTRY="$T/registry.db"
"$T/build/consumer" "$SOURCE_DIR/examples/sample_card.tpl" "$SOURCE_DIR/examples/sample_photo.png" "$T/card.pdf"
pages=$(pdfinfo "$T/card.pdf" | awk '/^Pages:/{print $2}')
[ "$pages" = "2" ] || { echo "FAIL: expected 2 pages, got $pages"; exit 1; }
pdftotext -f 1 -l 1 "$T/card.pdf" - | grep -q "Ann" || { echo "FAIL: field value not on the front"; exit 1; }
echo "ok"
