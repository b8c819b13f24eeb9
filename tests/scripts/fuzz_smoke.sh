#!/usr/bin/env bash
# Short, bounded fuzz run: builds the fuzz targets with clang (libFuzzer,
# AddressSanitizer, UBSan) in their own build folder, writes the seed
# corpora, and runs each target for a few seconds. Exit 77 (skipped) when
# clang or libFuzzer is not available.
# Usage: fuzz_smoke.sh BUILD_DIR SOURCE_DIR   (FUZZ_SECONDS per target, default 15)
set -uo pipefail
BUILD_DIR=${1:?build dir}
SOURCE_DIR=${2:?source dir}
SECONDS_EACH=${FUZZ_SECONDS:-15}
mkdir -p "$BUILD_DIR"
FUZZ_DIR="$(cd "$BUILD_DIR" && pwd)/fuzz-build"

command -v clang++ >/dev/null 2>&1 || { echo "clang++ not found: skipped"; exit 77; }
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' > "$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" >/dev/null 2>&1; then
    echo "libFuzzer not available: skipped"
    exit 77
fi

set -e
mkdir -p "$FUZZ_DIR"
cmake -S "$SOURCE_DIR" -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKYT_BUILD_TESTS=OFF -DKYT_BUILD_FUZZERS=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >"$FUZZ_DIR/configure.log" 2>&1 \
    || { cat "$FUZZ_DIR/configure.log"; exit 1; }
cmake --build "$FUZZ_DIR" -j2 --target fuzz_template_reader fuzz_token_strings fuzz_make_seeds

corpus="$FUZZ_DIR/corpus"
rm -rf "$corpus"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
"$FUZZ_DIR/tests/fuzz/fuzz_make_seeds" "$corpus"
# Damaged files from the test data join the reader's seeds.
if [ -d "$SOURCE_DIR/tests/data/files" ]; then
    cp "$SOURCE_DIR"/tests/data/files/*.tpl "$corpus/template_reader/" 2>/dev/null || true
fi

status=0
for name in template_reader token_strings; do
    work="$FUZZ_DIR/work_$name"
    rm -rf "$work"
    mkdir -p "$work"
    cp "$corpus/$name"/* "$work/"
    echo "== fuzz_$name: $SECONDS_EACH s"
    if ! (cd "$FUZZ_DIR" && "$FUZZ_DIR/tests/fuzz/fuzz_$name" "$work" -max_total_time="$SECONDS_EACH" \
            -max_len=65536 -rss_limit_mb=2048 -timeout=10 -print_final_stats=1); then
        echo "fuzz_$name found a failure (crash input saved in $FUZZ_DIR)"
        status=1
    fi
done
exit $status
