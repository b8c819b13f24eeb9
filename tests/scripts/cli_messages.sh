#!/usr/bin/env bash
# Messages on a terminal: an error in one line, a read-only settings store
# named as the reason, and info --json showing every object's token string.
#   usage: cli_messages.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_messages "$@"
scratch

# One line, the file first, the reason and its number after it; the long
# report stays in the log.
"$kyt" info "$tmp/visitr.tpl" 2> "$tmp/err"; rc=$?
[[ $rc -eq 1 ]] || fail "missing file gave $rc"
[[ $(wc -l < "$tmp/err") -eq 1 ]] || fail "not one line: $(cat "$tmp/err")"
grep -qx "kytpreview: $tmp/visitr.tpl: file not found (error 53)" "$tmp/err" || fail "unexpected message: $(cat "$tmp/err")"
grep -q "|Number: 53|Message: File not found: $tmp/visitr.tpl|" "$tmp/log/Preview.log" || fail "the log lost the report"

# info --json: each object's token string (fields end in code 1).
"$kyt" info "$src/examples/sample_card.tpl" --json > "$tmp/info.json" || fail "info --json failed"
/usr/bin/python3 - "$tmp/info.json" <<'PY' || fail "TokenString missing from info --json"
import json, sys
objects = json.load(open(sys.argv[1]))["objects"]
assert objects and all("TokenString" in o for o in objects)
assert any("VISITOR PASS\x01" in o["TokenString"] for o in objects)
PY

# A settings store that can only be read says so (as a user without write
# permission on it; root writes anyway, so the check runs as nobody).
"$kyt" settings set 'HKCU\Software\KYT\Probe' Colour Blue || fail "settings set failed"
if [[ $(id -u) -eq 0 ]] && command -v setpriv > /dev/null; then
    chmod 755 "$tmp"; chmod 644 "$tmp/registry.db"
    setpriv --reuid=65534 --regid=65534 --clear-groups env KYT_LOG_DIR=/nonexistent/log \
        "$kyt" settings set 'HKCU\Software\KYT\Probe' Colour Red 2> "$tmp/err"; rc=$?
    [[ $rc -eq 1 ]] || fail "a write to a read-only store gave $rc"
    [[ $(wc -l < "$tmp/err") -eq 1 ]] || fail "not one line: $(cat "$tmp/err")"
    grep -q "registry.db\" cannot be used (it is read-only for this user" "$tmp/err" || fail "read-only store not named: $(cat "$tmp/err")"
    if grep -q "sub-keys" "$tmp/err"; then fail "the message blames sub-keys"; fi
else
    echo "cli_messages: read-only store check skipped (needs root and setpriv)"
fi
# A scheduler that cannot be reached: the message still names the printer
# the person chose, whatever else runs on this machine.
CUPS_SERVER="$tmp/no-scheduler.sock" "$kyt" print "$src/examples/sample_card.tpl" --printer Desk_Badges 2> "$tmp/err"; rc=$?
[[ $rc -eq 1 ]] || fail "printing without a scheduler gave $rc"
grep -q '"Desk_Badges"' "$tmp/err" || fail "the printer is not named: $(cat "$tmp/err")"
grep -q "scheduler at $tmp/no-scheduler.sock cannot be reached" "$tmp/err" || fail "unclear reason: $(cat "$tmp/err")"
# ... and so do listing, calibrating and printing to the default queue.
for cmd in "printers list" "printers calibrate Desk_Badges --offset 0,0" "print $src/examples/sample_card.tpl"; do
    # shellcheck disable=SC2086
    CUPS_SERVER="$tmp/no-scheduler.sock" "$kyt" $cmd > /dev/null 2> "$tmp/err"; rc=$?
    [[ $rc -eq 1 ]] || fail "'$cmd' without a scheduler gave $rc"
    grep -q "scheduler at $tmp/no-scheduler.sock cannot be reached" "$tmp/err" || fail "'$cmd': $(cat "$tmp/err")"
done

# Control characters from files: escaped in the log, and JSON escapes for
# the Windows-1252 codes that have no character (81 8D 8F 90 9D).
esc=$'\e'
"$kyt" info "$tmp/${esc}[31mred.tpl" 2> /dev/null && fail "a missing file was read"
grep -q "red.tpl" "$tmp/log/Preview.log" || fail "the log lost the report"
if grep -q "$esc" "$tmp/log/Preview.log"; then fail "the log holds a raw escape character"; fi
/usr/bin/python3 - "$src/examples/sample_card.tpl" "$tmp/c1.tpl" <<'PY'
import sys
b = open(sys.argv[1], "rb").read()
open(sys.argv[2], "wb").write(b.replace(b"VISITOR PASS", b"VISITOR\x81\x8d\x8f\x90\x9d", 1))
PY
"$kyt" info "$tmp/c1.tpl" --json > "$tmp/c1.json" || fail "info --json failed"
/usr/bin/python3 - "$tmp/c1.json" <<'PY' || fail "info --json is not JSON or lost the characters: $(grep -a VISITOR "$tmp/c1.json")"
import json, sys
raw = open(sys.argv[1], "rb").read()
assert not any(0x7f <= ord(ch) <= 0x9f for ch in raw.decode("utf-8")), "raw control characters"
objects = json.loads(raw)["objects"]
assert any("VISITOR\u0081\u008d\u008f\u0090\u009d\x01" in o["TokenString"] for o in objects)
PY

# Qt's own warnings stay off the terminal (the log keeps them) unless --verbose.
mkdir -p "$tmp/runtime"; chmod 755 "$tmp/runtime"
XDG_RUNTIME_DIR="$tmp/runtime" "$kyt" info "$tmp/missing.tpl" 2> "$tmp/err"
[[ $(wc -l < "$tmp/err") -eq 1 ]] || fail "not one line with Qt's warnings: $(cat "$tmp/err")"
XDG_RUNTIME_DIR="$tmp/runtime" "$kyt" info "$tmp/missing.tpl" --verbose 2> "$tmp/err"
grep -q "runtime" "$tmp/err" || fail "--verbose hid Qt's warning: $(cat "$tmp/err")"
grep -q "Qt: .*runtime" "$tmp/log/Preview.log" || fail "the log lost Qt's warning"
echo "ok"
