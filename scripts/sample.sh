#!/usr/bin/env bash
# The quickest way from a fresh checkout to a rendered card: installs only
# what the libraries and the kytpreview program need, builds only those (no
# tests, benchmarks or fuzzers) into ./build-sample (or $KYT_SAMPLE_BUILD_DIR),
# and renders the bundled sample card to out/sample.png and out/sample.pdf
# (front and back). scripts/test.sh installs and builds the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${KYT_SAMPLE_BUILD_DIR:-build-sample}"
start=$SECONDS
phase_start=$SECONDS
phase() {
  echo "== $* (at $((SECONDS - start)) s)"
  phase_start=$SECONDS
}
done_phase() { echo "   done in $((SECONDS - phase_start)) s"; }

phase "1/4 installing packages"
bash scripts/install-deps.sh --sample
done_phase

phase "2/4 configuring $BUILD"
mkdir -p "$BUILD"
# No debug information and nothing but the libraries and the program, each
# library compiled in a few large units (half the compile time).
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKYT_BUILD_TESTS=OFF -DKYT_BUILD_BENCH=OFF -DKYT_BUILD_EXAMPLES=OFF -DKYT_BUILD_PLUGINS=OFF -DCMAKE_UNITY_BUILD=ON \
  > "$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
done_phase

phase "3/4 building the libraries and kytpreview"
cmake --build "$BUILD" --target kytpreview -j"$(nproc)"
done_phase

phase "4/4 rendering the sample card"
mkdir -p out
KYT="$BUILD/app/kytpreview"
"$KYT" render examples/sample_card.tpl --data examples/sample_card.data -o out/sample.png
"$KYT" render examples/sample_card.tpl --data examples/sample_card.data -o out/sample.pdf
done_phase
echo "wrote out/sample.png and out/sample.pdf in $((SECONDS - start)) s"
