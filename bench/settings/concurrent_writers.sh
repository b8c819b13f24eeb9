#!/bin/bash
# Two processes each write N values (default 10000) into one store at once;
# then every value is checked. Usage: concurrent_writers.sh BUILD_DIR [N]
set -eu
build=${1:?build dir}; n=${2:-10000}
bench=$build/bench/settings/kyt_settings_bench
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
db=$work/registry.db
start=$(date +%s.%N)
"$bench" write "$db" "$n" a > "$work/a.out" & pa=$!
"$bench" write "$db" "$n" b > "$work/b.out" & pb=$!
wait $pa; ra=$?; wait $pb; rb=$?
end=$(date +%s.%N)
echo "writers-exit $ra $rb"
echo "acks-a $(grep -c '^ack' "$work/a.out") acks-b $(grep -c '^ack' "$work/b.out")"
echo "seconds $(echo "$end - $start" | bc)"
"$bench" verify "$db" a "$n" b "$n"
