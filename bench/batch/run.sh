#!/usr/bin/env bash
# Batch printing benchmark: one PDF with one card per CSV record.
#  (a) the peer workload: the visitor card of the peer's benchmark folder
#      (same geometry, the same 1,000 records and the same photo), printed by
#      `kytpreview batch` and glabels-3-batch alternately in one run;
#  (b) personalised cards: a different 200 x 250 JPEG photo, name and
#      Code 128 number on every card, 1,000 and 10,000 of them;
#  (c) scaling: the 10,000 personalised cards with 1, 2, ... threads
#      (KYT_JOBS), up to the machine's cores.
# Medians with min and max, peak memory and cores used (CPU time / wall
# time). The first and last page of each of our PDFs must scan (zbarimg).
#   usage: bench/batch/run.sh [BUILD_DIR] [--peer DIR]
#   env:   RUNS (default 5), WORK (default /tmp/kyt-batch-bench), SKIP_PEER=1
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
src="$(cd "$here/../.." && pwd)"
source "$here/../lib/common.sh"
build="$src/build" peer_arg=""
while [[ $# -gt 0 ]]; do
  case $1 in
    --peer) peer_arg=$2; shift 2 ;;
    *) build=$1; shift ;;
  esac
done
build="$(cd "$build" && pwd)"
peer="$(find_peer "$peer_arg")"
[[ -n "$peer" && -f "$peer/make_csv.py" ]] || { echo "the peer's benchmark folder was not found: give --peer DIR" >&2; exit 2; }
peer="$(cd "$peer" && pwd)"
WORK="${WORK:-/tmp/kyt-batch-bench}"
RUNS="${RUNS:-5}"
PY=/usr/bin/python3
KYT="$build/app/kytpreview"
GEN="$build/bench/batch/bench_batch_gen"
export QT_QPA_PLATFORM=offscreen

for t in "$KYT" "$GEN"; do [[ -x "$t" ]] || { echo "not built: $t (cmake --build $build --target kytpreview bench_batch_gen)" >&2; exit 2; }; done
for t in pdfinfo pdftoppm zbarimg pdfimages /usr/bin/time "$PY"; do command -v "$t" >/dev/null || { echo "missing: $t" >&2; exit 2; }; done

mkdir -p "$WORK"
cd "$WORK"

# --- inputs ------------------------------------------------------------------
"$GEN" card card.tpl
"$PY" "$peer/make_photo.py" photo.jpg
"$PY" "$peer/make_csv.py" 1000 cards_1000.csv
"$PY" "$peer/make_csv.py" 10000 cards_10000.csv
# The same records with the photo column our card reads ("Image").
awk 'NR==1{print $0",Image";next}{print $0",photo.jpg"}' cards_1000.csv > same_1000.csv
[[ -f photos/p10000.jpg ]] || "$GEN" photos photos 10000
for n in 1000 10000; do
  awk -v n="$n" 'NR==1{print $0",Image";next}{printf "%s,photos/p%05d.jpg\n",$0,NR-1}' "cards_$n.csv" > "pers_$n.csv"
done

machine
: > results.tsv

# check PDF CSV N : first and last page decode to the record's BadgeNo
check() {
  local pdf=$1 csv=$2 n=$3 which p row want got
  [[ "$(pdfinfo "$pdf" | awk '/^Pages:/{print $2}')" == "$n" ]] || { echo "FAIL: $pdf has not $n pages" >&2; exit 1; }
  for which in first last; do
    if [[ $which == first ]]; then p=1; row=2; else p=$n; row=$((n + 1)); fi
    want=$(sed -n "${row}p" "$csv" | cut -d, -f4)
    pdftoppm -r 300 -png -f "$p" -l "$p" -singlefile "$pdf" "scan_$which"
    got=$(zbarimg -q "scan_$which.png" 2>/dev/null | tr -d '\n' || true)
    if [[ "$got" == "CODE-128:$want" ]]; then echo "$pdf page $p: $got OK"; else echo "FAIL: $pdf page $p: want $want, got '${got}'" >&2; exit 1; fi
  done
}

# (a) ours and the peer's, alternately, so both see the same load.
peer_ok=""
if command -v glabels-3-batch >/dev/null && [[ -z "${SKIP_PEER:-}" ]]; then
  cp "$peer/card.glabels" card.glabels
  peer_ok=1
else
  echo "peer not run (glabels-3-batch missing or SKIP_PEER set)"
fi
for r in $(seq 1 "$RUNS"); do
  timed kyt-same 1000 "$KYT" batch card.tpl --csv same_1000.csv -o kyt_same_1000.pdf --quiet
  if [[ -n "$peer_ok" ]]; then
    timed peer 1000 env -u DISPLAY glabels-3-batch -i cards_1000.csv -o peer_1000.pdf card.glabels
  fi
done
check kyt_same_1000.pdf same_1000.csv 1000
echo "photo objects in kyt_same_1000.pdf: $(pdfimages -list kyt_same_1000.pdf | awk 'NR>2{print $11}' | sort -u | wc -l)"

# (b) personalised cards, every core.
for n in 1000 10000; do
  for r in $(seq 1 "$RUNS"); do timed "kyt-pers" "$n" "$KYT" batch card.tpl --csv "pers_$n.csv" -o "kyt_pers_$n.pdf" --quiet; done
  check "kyt_pers_$n.pdf" "pers_$n.csv" "$n"
  echo "kyt_pers_$n.pdf: $(stat -c %s "kyt_pers_$n.pdf") bytes, distinct pictures $(pdfimages -list "kyt_pers_$n.pdf" | awk 'NR>2{print $11}' | sort -u | wc -l)"
done

# (c) scaling with threads: 1, 2, 4, ... and the machine's count.
cores=$(nproc)
jobs_list="1"; j=2
while [[ $j -lt $cores ]]; do jobs_list="$jobs_list $j"; j=$((j * 2)); done
if [[ $cores -gt 1 ]]; then jobs_list="$jobs_list $cores"; fi
for r in $(seq 1 "$RUNS"); do
  for j in $jobs_list; do
    timed "pers-jobs-$j" 10000 env KYT_JOBS="$j" "$KYT" batch card.tpl --csv pers_10000.csv -o "kyt_jobs_$j.pdf" --quiet
  done
done
check "kyt_jobs_1.pdf" pers_10000.csv 10000

echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
summary "peer:kyt-same"
