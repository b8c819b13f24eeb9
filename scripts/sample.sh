#!/usr/bin/env bash
# Sets everything up, builds, and renders the bundled sample card to
# out/sample.png and out/sample.pdf (front and back).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
mkdir -p out
KYT="${KYT_BUILD_DIR:-build}/app/kytpreview"
"$KYT" render examples/sample_card.tpl --data examples/sample_card.data -o out/sample.png
"$KYT" render examples/sample_card.tpl --data examples/sample_card.data -o out/sample.pdf
echo "wrote out/sample.png and out/sample.pdf"
