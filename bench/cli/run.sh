#!/usr/bin/env bash
# Start-up and one-card benchmark of the command-line program, each a whole
# process as a user runs it: `kytpreview version`, and `render` of the batch
# benchmark's visitor card (one record, its photo) to PDF and to PNG; and
# the floor under them, what Qt alone takes (floor.cpp): a program linking
# Qt Core, and one writing two lines of text to a PDF.
# Medians with min and max of RUNS runs, the commands alternated.
#   usage: bench/cli/run.sh [BUILD_DIR]
#   env:   RUNS (default 21), WORK (default /tmp/kyt-cli-bench)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
src="$(cd "$here/../.." && pwd)"
source "$here/../lib/common.sh"
build="$(cd "${1:-$src/build}" && pwd)"
WORK="${WORK:-/tmp/kyt-cli-bench}"
RUNS="${RUNS:-21}"
KYT="$build/app/kytpreview"
GEN="$build/bench/batch/bench_batch_gen"
FLOOR="$build/bench/cli/bench_floor"
export QT_QPA_PLATFORM=offscreen
for t in "$KYT" "$GEN" "$FLOOR"_core "$FLOOR"_pdf; do
  [[ -x "$t" ]] || { echo "not built: $t (cmake --build $build --target kytpreview bench_batch_gen bench_floor_core bench_floor_pdf)" >&2; exit 2; }
done

mkdir -p "$WORK"
cd "$WORK"
"$GEN" card card.tpl
"$GEN" photos photos 1
printf 'FirstName,LastName,Company,BadgeNo,Image\nAda,Lovelace,Analytical Engines,10007919,photos/p00001.jpg\n' > one.csv

machine
: > results.tsv
# One warm-up of each, so the first timed run does not pay for the disk cache.
"$KYT" version > /dev/null
"$KYT" render card.tpl --csv one.csv --row 1 -o one.pdf > /dev/null
"$FLOOR"_pdf floor.pdf 2> /dev/null
for r in $(seq 1 "$RUNS"); do
  quick version 1 "$KYT" version
  quick render-pdf 1 "$KYT" render card.tpl --csv one.csv --row 1 -o one.pdf
  quick render-png 1 "$KYT" render card.tpl --csv one.csv --row 1 -o one.png
  quick floor-qtcore 1 "$FLOOR"_core
  quick floor-qtpdf 1 "$FLOOR"_pdf floor.pdf
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
summary
