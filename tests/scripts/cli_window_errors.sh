#!/usr/bin/env bash
# The window commands fail in one line instead of aborting or waiting:
# DISPLAY naming a display that does not answer gives the "no display"
# error, and a --screenshot run whose card could not be opened or drawn
# writes the reason to standard error, no picture, and exits 1.
#   usage: cli_window_errors.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_window_errors "$@"
scratch
tpl="$src/examples/sample_card.tpl"

# A display number nobody serves: no socket and no lock file.
n=90
while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
dead() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n" "$kyt" "$@"; }
no_window_rows dead "DISPLAY :$n does not answer"

# Cards that cannot be opened or drawn. Rows: command, file, what standard
# error must name.
head -c 300 "$tpl" > "$tmp/cut.tpl"
printf 'not a template at all' > "$tmp/text.tpl"
# The title's font size becomes -1 (same length, so the record stays whole):
# the file reads, the card cannot be drawn.
python3 - "$tpl" "$tmp/badsize.tpl" <<'PY' || fail "could not make the card with a bad font size"
import sys
data = open(sys.argv[1], "rb").read()
old = b"VISITOR PASS\x01True\x01False\x01False\x01False\x01Arial\x0116\x01"
assert data.count(old) == 1
open(sys.argv[2], "wb").write(data.replace(old, old[:-3] + b"-1\x01"))
PY
while IFS='|' read -r command file said; do
    rm -f "$tmp/shot.png"
    "$kyt" "$command" "$file" --screenshot "$tmp/shot.png" > "$tmp/out" 2> "$tmp/err"; rc=$?
    [[ $rc -eq 1 ]] || fail "$command $(basename "$file") --screenshot exited $rc: $(cat "$tmp/err")"
    grep -q "^kytpreview $command: .*$said" "$tmp/err" \
        || fail "$command $(basename "$file"): the reason is not on standard error: $(cat "$tmp/err")"
    [[ ! -e "$tmp/shot.png" ]] || fail "$command $(basename "$file"): a screenshot was written"
done <<ROWS
design|$tmp/cut.tpl|cut.tpl
design|$tmp/text.tpl|not a template file
preview|$tmp/cut.tpl|cut.tpl
preview|$tmp/badsize.tpl|FontSize
ROWS

# A sound card still makes its picture and exits 0.
for command in design preview; do
    rm -f "$tmp/shot.png"
    "$kyt" "$command" "$tpl" --screenshot "$tmp/shot.png" 2> "$tmp/err" \
        || fail "$command of the sample card exited $?: $(cat "$tmp/err")"
    [[ -s "$tmp/shot.png" ]] || fail "$command wrote no screenshot of the sample card"
done
echo "ok"
