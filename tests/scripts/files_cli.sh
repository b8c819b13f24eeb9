#!/usr/bin/env bash
# kytpreview info and resave on the sample card, a damaged copy and bad
# arguments.
set -euo pipefail
BUILD_DIR=${1:?build dir}
SOURCE_DIR=${2:?source dir}
K="$BUILD_DIR/app/kytpreview"
[ -x "$K" ] || { echo "kytpreview not built: skipped"; exit 77; }
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
SAMPLE="$SOURCE_DIR/examples/sample_card.tpl"
fail() { echo "FAIL: $*"; exit 1; }

# Human-readable and JSON forms.
"$K" info "$SAMPLE" > "$T/info.txt"
grep -q '^Width: *3.375$' "$T/info.txt" || fail "info text lacks Width"
grep -q 'Logo1 (Logo)' "$T/info.txt" || fail "info text lacks Logo1"
"$K" info "$SAMPLE" --json > "$T/info.json"
/usr/bin/python3 - "$T/info.json" <<'PY'
import json, sys
j = json.load(open(sys.argv[1]))
for k in ("Width", "Height", "Scalor", "Orientation", "BackgroundColor", "TargetApplication", "Duplex", "Picture", "objects"):
    assert k in j, k
assert j["Width"] == 3.375 and j["Height"] == 2.125 and j["Duplex"] is True and j["Picture"] is None
objs = j["objects"]
assert objs[0]["ObjectType"] == "Rect" and objs[0]["Name"] == "Rect1" and objs[0]["Index"] == 1
logo = [o for o in objs if o["ObjectType"] == "Logo"][0]
assert logo["Image"] == [160, 160], logo
assert logo["TokenString"].count("\x01") == 8, logo["TokenString"]
data = [o for o in objs if o["ObjectType"] == "Data"]
assert any(o["DataFieldName"] == "BadgeNo" and o["BarcodeType"] == "2" and o["FontName"] == "KYT Code128" for o in data)
assert any(o["top"] >= 2.125 for o in objs), "back-side objects"
assert objs[1]["top"] == 0.05, objs[1]["top"]
PY

# Resave gives the same bytes; the same file as IN and OUT works.
"$K" resave "$SAMPLE" "$T/copy.tpl"
cmp "$SAMPLE" "$T/copy.tpl" || fail "resave changed the bytes"
"$K" resave "$T/copy.tpl" "$T/copy.tpl"
cmp "$SAMPLE" "$T/copy.tpl" || fail "resave onto itself changed the bytes"

# A damaged file: non-zero exit, reason on stderr, OUT untouched.
head -c 300 "$SAMPLE" > "$T/cut.tpl"
echo "keep me" > "$T/out.tpl"
if "$K" resave "$T/cut.tpl" "$T/out.tpl" 2> "$T/err.txt"; then fail "resave of a cut file succeeded"; fi
grep -qi "Input past end of file" "$T/err.txt" || fail "no reason given: $(cat "$T/err.txt")"
grep -q "$T/cut.tpl" "$T/err.txt" || fail "the damaged file is not named: $(cat "$T/err.txt")"
[ "$(cat "$T/out.tpl")" = "keep me" ] || fail "OUT was touched"
if "$K" info "$T/cut.tpl" > /dev/null 2>&1; then fail "info of a cut file succeeded"; fi

# Not a template file, missing file, wrong arguments.
echo "hello" > "$T/text.tpl"
set +e
"$K" info "$T/text.tpl" 2> "$T/err.txt"; rc=$?
[ $rc -eq 1 ] && grep -q "not a template file" "$T/err.txt" || fail "plain text accepted (rc $rc)"
"$K" info "$T/missing.tpl" 2> "$T/err.txt"; rc=$?
[ $rc -eq 1 ] && grep -qi "File not found" "$T/err.txt" || fail "missing file (rc $rc)"
"$K" info > /dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "info without file gave $rc"
"$K" resave "$SAMPLE" > /dev/null 2>&1; rc=$?
[ $rc -eq 2 ] || fail "resave with one argument gave $rc"
set -e
"$K" info --help | grep -q -- "--json" || fail "info --help"
"$K" resave --help | grep -q "IN OUT" || fail "resave --help"
echo "ok"
