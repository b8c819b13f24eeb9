#!/usr/bin/env bash
# Batch printing benchmark: one PDF with one card per CSV record.
#  (a) the peer workload: the visitor card of /work/shared/peers/glabels
#      (same geometry, the same 1,000 records and the same photo), printed
#      by `kytpreview batch` and, when installed, by glabels-3-batch;
#      medians of 3 runs and the ratio;
#  (b) personalised cards: a different photo, name and Code 128 number on
#      every card, 1,000 and 10,000 of them: cards/s and peak memory.
# The first and last page of each of our PDFs must scan (zbarimg).
#   usage: bench/batch/run.sh [BUILD_DIR]      (inputs and outputs in $WORK)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
src="$(cd "$here/../.." && pwd)"
build="$(cd "${1:-$src/build}" && pwd)"
peer="${PEER_DIR:-/work/shared/peers/glabels}"
WORK="${WORK:-/tmp/kyt-batch-bench}"
RUNS="${RUNS:-3}"
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

echo "host: $(nproc) cores; load: $(cut -d' ' -f1-3 /proc/loadavg); $(git -C "$src" log -1 --format=%h 2>/dev/null || echo '?')"
: > results.tsv

# run TAG N CMD... : one timed run, appends "tag n wall rss_kb" to results.tsv
run() {
  local tag=$1 n=$2; shift 2
  sync; sleep 0.5
  /usr/bin/time -v -o time.txt "$@" > log.txt 2>&1 || { cat log.txt >&2; echo "run failed: $*" >&2; exit 1; }
  local wall rss
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/{n=split($2,a,":"); s=0; for(i=1;i<=n;i++) s=s*60+a[i]; print s}' time.txt)
  rss=$(awk -F': ' '/Maximum resident set size/{print $2}' time.txt)
  printf '%s\t%s\t%s\t%s\n' "$tag" "$n" "$wall" "$rss" | tee -a results.tsv
}

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

for r in $(seq 1 "$RUNS"); do run kyt-same 1000 "$KYT" batch card.tpl --csv same_1000.csv -o kyt_same_1000.pdf --quiet; done
check kyt_same_1000.pdf same_1000.csv 1000
echo "photo objects in kyt_same_1000.pdf: $(pdfimages -list kyt_same_1000.pdf | awk 'NR>2{print $11}' | sort -u | wc -l)"

if command -v glabels-3-batch >/dev/null && [[ -z "${SKIP_PEER:-}" ]]; then
  cp "$peer/card.glabels" card.glabels
  for r in $(seq 1 "$RUNS"); do
    run peer 1000 env -u DISPLAY glabels-3-batch -i cards_1000.csv -o peer_1000.pdf card.glabels
  done
else
  echo "peer not run (glabels-3-batch missing or SKIP_PEER set)"
fi

for n in 1000 10000; do
  for r in $(seq 1 "$RUNS"); do run kyt-pers "$n" "$KYT" batch card.tpl --csv "pers_$n.csv" -o "kyt_pers_$n.pdf" --quiet; done
  check "kyt_pers_$n.pdf" "pers_$n.csv" "$n"
  echo "kyt_pers_$n.pdf: $(stat -c %s "kyt_pers_$n.pdf") bytes, distinct pictures $(pdfimages -list "kyt_pers_$n.pdf" | awk 'NR>2{print $11}' | sort -u | wc -l)"
done

# --- summary: medians ----------------------------------------------------------
"$PY" - results.tsv <<'PYEOF'
import statistics as st, sys
rows = [l.split("\t") for l in open(sys.argv[1]) if l.strip()]
g = {}
for tag, n, wall, rss in rows:
    g.setdefault((tag, int(n)), []).append((float(wall), int(rss)))
print(f"\n{'variant':10} {'N':>6} {'runs':>4} {'wall s':>8} {'cards/s':>8} {'peak RSS MB':>12}")
for (tag, n), v in g.items():
    w = st.median(x[0] for x in v)
    print(f"{tag:10} {n:6d} {len(v):4d} {w:8.2f} {n / w:8.0f} {st.median(x[1] for x in v) / 1024:12.1f}")
if ("peer", 1000) in g and ("kyt-same", 1000) in g:
    p = st.median(x[0] for x in g[("peer", 1000)])
    k = st.median(x[0] for x in g[("kyt-same", 1000)])
    print(f"\nratio at 1,000 cards (peer wall / ours): {p / k:.1f}x")
PYEOF
