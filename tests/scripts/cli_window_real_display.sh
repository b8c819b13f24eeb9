#!/usr/bin/env bash
# On a real X display (Xvfb) a --screenshot run never waits on a message
# box: a card that cannot be opened or drawn is said on standard error and
# the run exits 1; a sound card gives its picture and exit 0.
#   usage: cli_window_real_display.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_window_real_display "$@"
needs xvfb-run xauth Xvfb
scratch
tpl="$src/examples/sample_card.tpl"
head -c 300 "$tpl" > "$tmp/cut.tpl"
printf 'not a template at all' > "$tmp/text.tpl"

# Rows: command, file, exit code wanted. Each run is bounded: one that
# waits for an answer is killed and counts as a failure.
cat > "$tmp/runs.sh" <<'INNER'
set -u
kyt=$1 tmp=$2
shift 2
i=0
while IFS='|' read -r command file want; do
    i=$((i + 1))
    rm -f "$tmp/shot$i.png"
    timeout -s KILL 120 "$kyt" "$command" "$file" --screenshot "$tmp/shot$i.png" < /dev/null > /dev/null 2> "$tmp/err$i"
    echo "$? $command $file $want" >> "$tmp/results"
done
INNER
unset QT_QPA_PLATFORM
xvfb-run -a -s '-screen 0 1280x1024x24' bash "$tmp/runs.sh" "$kyt" "$tmp" <<ROWS \
    || fail "xvfb-run could not start a display"
design|$tmp/cut.tpl|1
design|$tmp/text.tpl|1
preview|$tmp/cut.tpl|1
design|$tpl|0
preview|$tpl|0
ROWS
[[ $(wc -l < "$tmp/results") -eq 5 ]] || fail "not every run was made: $(cat "$tmp/results")"
i=0
while read -r rc command file want; do
    i=$((i + 1))
    [[ $rc -ne 137 ]] || fail "$command $(basename "$file") --screenshot waited for an answer"
    [[ $rc -eq $want ]] || fail "$command $(basename "$file") --screenshot exited $rc, not $want: $(cat "$tmp/err$i")"
    if [[ $want -eq 0 ]]; then
        [[ -s "$tmp/shot$i.png" ]] || fail "$command $(basename "$file"): no screenshot"
    else
        grep -q "^kytpreview $command: " "$tmp/err$i" || fail "$command $(basename "$file"): nothing said: $(cat "$tmp/err$i")"
        [[ ! -e "$tmp/shot$i.png" ]] || fail "$command $(basename "$file"): a screenshot was written"
    fi
done < "$tmp/results"
echo "ok"
