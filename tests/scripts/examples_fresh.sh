#!/usr/bin/env bash
# The committed sample files are exactly what examples/make_sample writes.
set -euo pipefail
BUILD_DIR=${1:?build dir}
SOURCE_DIR=${2:?source dir}
GEN="$BUILD_DIR/examples/make_sample"
[ -x "$GEN" ] || { echo "make_sample not built: skipped"; exit 77; }
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
QT_QPA_PLATFORM=offscreen "$GEN" "$T"
for f in sample_card.tpl sample_card.data sample_photo.png; do
    cmp "$SOURCE_DIR/examples/$f" "$T/$f" || { echo "examples/$f differs from make_sample's output: regenerate it"; exit 1; }
done
echo "ok"
