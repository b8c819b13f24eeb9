#!/bin/bash
# A writer is killed with SIGKILL in the middle of a burst of writes; every
# write it acknowledged must be in the store, which must open and be intact.
# Repeats ROUNDS times (default 20). Usage: kill_during_writes.sh BUILD_DIR [ROUNDS]
set -u
build=${1:?build dir}; rounds=${2:-20}
bench=$build/bench/settings/kyt_settings_bench
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
failures=0; total_acks=0
for r in $(seq 1 "$rounds"); do
  db=$work/r$r.db
  "$bench" write "$db" 1000000 k > "$work/out" & pid=$!
  # Kill at a random moment between 50 and 550 ms into the burst.
  sleep "0.$(printf '%03d' $((50 + RANDOM % 500)))"
  kill -KILL $pid; wait $pid 2>/dev/null
  acked=$(grep -c '^ack' "$work/out")
  last=$(grep '^ack' "$work/out" | tail -1 | cut -d' ' -f2)
  total_acks=$((total_acks + acked))
  # Acknowledged writes are 0..last; verify exactly those.
  if ! "$bench" verify "$db" k $((last + 1)) > "$work/verify"; then
    failures=$((failures + 1)); cat "$work/verify"
  fi
  echo "round $r acked $acked $(tr '\n' ' ' < "$work/verify")"
done
echo "rounds $rounds failures $failures acknowledged-writes $total_acks"
[ "$failures" -eq 0 ]
