#!/usr/bin/env bash
# The one-card and designer benches in ROUNDS rounds spread over time, for
# a host whose speed drifts: each round runs bench/cli/run.sh (RUNS runs of
# each command, the floor under them included) and bench/designer/run.sh,
# then pauses. Prints each round's medians, then the median of the rounds'
# medians with their range, and in how many rounds each target was met.
#   usage: bench/rounds.sh [BUILD_DIR]
#   env:   ROUNDS (default 20), RUNS (default 15), PAUSE seconds (default 45)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
ROUNDS="${ROUNDS:-20}"
RUNS="${RUNS:-15}"
PAUSE="${PAUSE:-45}"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

for r in $(seq 1 "$ROUNDS"); do
  cli="$(WORK=/tmp/kyt-rounds RUNS="$RUNS" bash "$here/cli/run.sh" "$build" 2>/dev/null)"
  designer="$(bash "$here/designer/run.sh" "$build" 2>/dev/null)"
  ms() { awk -v k="$1" '$1 == k { printf "%.1f", $4 * 1000 }' <<< "$cli"; }
  open="$(awk '/^open/ { print $5 }' <<< "$designer")"
  drag="$(awk '/^drag/ { print $7 }' <<< "$designer")"
  printf '%s load %s  version %s  render-pdf %s  render-png %s  floor-qtcore %s  floor-qtpdf %s  open %s  drag %s\n' \
    "$(date +%T)" "$(cut -d' ' -f1 /proc/loadavg)" "$(ms version)" "$(ms render-pdf)" "$(ms render-png)" \
    "$(ms floor-qtcore)" "$(ms floor-qtpdf)" "$open" "$drag" | tee -a "$log"
  [[ $r -lt $ROUNDS ]] && sleep "$PAUSE"
done

echo
echo "median of $ROUNDS rounds' medians (min-max), ms; rounds meeting the target"
summary() { # NAME FIELD TARGET
  awk -v f="$2" '{ print $f }' "$log" | sort -n | awk -v n="$1" -v t="$3" \
    '{ a[NR] = $1; if (t != "" && $1 < t) met++ }
     END { m = NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2;
           printf "%-13s %7.2f (%.2f-%.2f)", n, m, a[1], a[NR];
           if (t != "") printf "   under %s: %d of %d", t, met, NR; printf "\n" }'
}
summary version 5 15
summary render-pdf 7 50
summary render-png 9 80
summary floor-qtcore 11 ""
summary floor-qtpdf 13 ""
summary open 15 21
summary drag 17 1
