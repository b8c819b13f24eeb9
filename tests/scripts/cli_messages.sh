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
echo "ok"
