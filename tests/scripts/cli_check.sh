#!/usr/bin/env bash
# kytpreview check: the preflight report on the sample card, its barcodes
# rendered at print resolution and read back with zxing-cpp; exit 0 only when
# everything passes.
#   usage: cli_check.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_check "$@"
scratch
tpl="$src/examples/sample_card.tpl"
cp "$src/examples/sample_photo.png" "$tmp/"
header="FirstName,LastName,Company,Host,BadgeNo,ValidUntil,Image"

"$kyt" check "$tpl" --data "$src/examples/sample_card.data" --verify > "$tmp/out" 2>&1 || fail "the sample card failed: $(cat "$tmp/out")"
grep -q "^ok   scan: 1 card rendered at 300 dpi, 2 barcodes read back as expected" "$tmp/out" || fail "no scan: $(cat "$tmp/out")"
grep -q "ready to print" "$tmp/out" || fail "no verdict"

# Without data the card is verified as render draws it: its barcodes carry
# the field names.
"$kyt" check "$tpl" --verify > "$tmp/out" 2>&1 || fail "the sample card without data failed: $(cat "$tmp/out")"
grep -q "^ok   scan: 1 card rendered at 300 dpi, 2 barcodes read back as expected (without data" "$tmp/out" \
    || fail "no scan without data: $(cat "$tmp/out")"

printf '%s\nAnn,Lee,Acme,Jo,V-1,x,sample_photo.png\nBob,Ray,Acme,Jo,V-22,x,\n' "$header" > "$tmp/good.csv"
"$kyt" check "$tpl" --csv "$tmp/good.csv" --verify > "$tmp/out" 2>&1 || fail "a good CSV failed: $(cat "$tmp/out")"
grep -q "2 cards rendered at 300 dpi, 4 barcodes read back" "$tmp/out" || fail "CSV scan: $(cat "$tmp/out")"

# Each row: CSV body, a line the report must hold.
check_fails() {
    printf '%b' "$1" > "$tmp/bad.csv"
    "$kyt" check "$tpl" --csv "$tmp/bad.csv" > "$tmp/out" 2>&1; rc=$?
    [[ $rc -eq 1 ]] || fail "check passed (rc $rc) for: $1"
    grep -q -- "$2" "$tmp/out" || fail "expected '$2' in: $(cat "$tmp/out")"
}
check_fails "First Name,Badge No\nAnn,1\n" 'FAIL fields: .* lacks the fields the template uses: .*"FirstName"'
check_fails "$header\nAnn,Lee,Acme,Jo,V-\xc3\xa9,x,\n" 'FAIL barcodes: record 1 (line 2): field "BadgeNo"'
check_fails "$header\nAnn,Lee,Acme,Jo,V-1,x,gone.png\n" 'FAIL pictures: record 1 (line 2): photo .*gone.png: no such file'
check_fails "$header\n,,,,,,\n" 'FAIL records: .* holds no records to print'
"$kyt" check "$tmp/none.tpl" > "$tmp/out" 2>&1 && fail "a missing template passed"
"$kyt" check "$tpl" --csv a --data b > /dev/null 2>&1; [[ $? -eq 2 ]] || fail "--csv with --data accepted"
echo "ok"
