#!/usr/bin/env bash
# CSV and data files as users bring them: columns that do not fit the
# template, blank rows of a spreadsheet export, a CSV or name=value file
# handed to --data, pipes, semicolons and Windows-1252, rows and copies,
# values a barcode cannot hold, and control characters kept off the terminal.
#   usage: cli_csv_rules.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_csv_rules "$@"
needs pdfinfo pdftotext iconv
scratch
tpl="$src/examples/sample_card.tpl"
cp "$src/examples/sample_photo.png" "$tmp/"
pages() { pdfinfo "$1" | sed -n 's/^Pages:[[:space:]]*//p'; }
header="FirstName,LastName,Company,Host,BadgeNo,ValidUntil,Image"

# Columns named as a person would: refused before anything prints, with the
# missing and the available names; --allow-missing-fields prints anyway.
{ echo "First Name,Last Name,Badge No,Photo"; for i in $(seq 1 30); do echo "Ann,Lee,$i,"; done; } > "$tmp/people.csv"
"$kyt" batch "$tpl" --csv "$tmp/people.csv" -o "$tmp/people.pdf" 2> "$tmp/err" && fail "a CSV without the template's fields printed"
grep -q 'lacks the fields the template uses: "Image", "FirstName", "LastName", "Company", "Host", "BadgeNo", "ValidUntil"' "$tmp/err" || fail "missing names not listed: $(cat "$tmp/err")"
grep -q '(it has: "First Name", "Last Name", "Badge No", "Photo")' "$tmp/err" || fail "available names not listed: $(cat "$tmp/err")"
grep -q -- '--allow-missing-fields' "$tmp/err" || fail "no hint at --allow-missing-fields"
[[ ! -e "$tmp/people.pdf" ]] || fail "a refused batch wrote its PDF"
"$kyt" batch "$tpl" --csv "$tmp/people.csv" -o "$tmp/people.pdf" --allow-missing-fields --quiet > /dev/null 2>&1 || fail "--allow-missing-fields did not print"
[[ "$(pages "$tmp/people.pdf")" == 60 ]] || fail "allowed batch has $(pages "$tmp/people.pdf") pages, not 60"

# Blank rows at the end of an export: skipped and counted, exit 0.
printf '%s\nMaria,Lee,Acme,Jo,V-1,today,\nOle,Berg,Acme,Jo,V-2,today,\n,,,,,,\n,,,,,,\n' "$header" > "$tmp/export.csv"
"$kyt" batch "$tpl" --csv "$tmp/export.csv" -o "$tmp/export.pdf" --quiet > /dev/null 2> "$tmp/err" || fail "blank rows failed the batch: $(cat "$tmp/err")"
grep -q "2 empty records skipped" "$tmp/err" || fail "empty records not counted: $(cat "$tmp/err")"
[[ "$(pages "$tmp/export.pdf")" == 4 ]] || fail "export has $(pages "$tmp/export.pdf") pages, not 4"

# --rows and --copies: records 2-3, two cards each, two sides each.
printf '%s\nA,a,c,h,V-1,x,\nB,b,c,h,V-2,x,\nC,c,c,h,V-3,x,\nD,d,c,h,V-4,x,\n' "$header" > "$tmp/four.csv"
"$kyt" batch "$tpl" --csv "$tmp/four.csv" -o "$tmp/rows.pdf" --rows 2-3 --copies 2 --quiet > "$tmp/out" 2>&1 || fail "--rows/--copies failed"
[[ "$(pages "$tmp/rows.pdf")" == 8 ]] || fail "--rows 2-3 --copies 2 gave $(pages "$tmp/rows.pdf") pages, not 8"
# Counts say what was made: cards, not records.
grep -q "^4 cards (2 records, 2 copies each) written to " "$tmp/out" || fail "cards miscounted: $(cat "$tmp/out")"
"$kyt" batch "$tpl" --csv "$tmp/four.csv" -o "$tmp/one.pdf" --rows 1 --copies 3 --quiet > "$tmp/out" 2>&1 || fail "--copies 3 failed"
grep -q "^3 cards (1 record, 3 copies each) written to " "$tmp/out" || fail "cards miscounted: $(cat "$tmp/out")"
printf '%s
A,a,c,h,äö,x,
' "$header" > "$tmp/onebad.csv"
"$kyt" batch "$tpl" --csv "$tmp/onebad.csv" -o "$tmp/x.pdf" --quiet --encoding utf-8 > /dev/null 2> "$tmp/err" && fail "a bad record printed"
grep -q "the one record failed: nothing printed" "$tmp/err" || fail "one failed record: $(cat "$tmp/err")"
"$kyt" batch "$tpl" --csv "$tmp/four.csv" -o "$tmp/x.pdf" --rows 3-2 > /dev/null 2>&1; [[ $? -eq 2 ]] || fail "--rows 3-2 accepted"

# A lone quote is a character (with a warning); CR-only line ends and UTF-16
# with its byte order mark are read, not mistaken for one long header.
printf '%s\rAnn 5" tall,a,c,h,V-1,x,\r' "$header" > "$tmp/mac.csv"
"$kyt" batch "$tpl" --csv "$tmp/mac.csv" -o "$tmp/mac.pdf" --quiet > /dev/null 2> "$tmp/err" || fail "CR-only CSV: $(cat "$tmp/err")"
grep -q 'record 1 (line 2): warning: a quote inside an unquoted field (field 1) was kept' "$tmp/err" || fail "no warning: $(cat "$tmp/err")"
pdftotext "$tmp/mac.pdf" - | grep -q 'Ann 5" tall' || fail "the quote did not reach the card"
printf '%s
Zoe,a,c,h,V-1,x,
' "$header" | iconv -f utf-8 -t utf-16 > "$tmp/wide.csv"
"$kyt" batch "$tpl" --csv "$tmp/wide.csv" -o "$tmp/wide.pdf" --quiet > /dev/null 2> "$tmp/err" || fail "UTF-16 CSV: $(cat "$tmp/err")"
pdftotext "$tmp/wide.pdf" - | grep -q 'Zoe' || fail "the UTF-16 record did not reach the card"

# Semicolons and Windows-1252, as a spreadsheet exports them.
printf 'FirstName;LastName;Company;Host;BadgeNo;ValidUntil;Image\nRen\xe9e;M\xfcller;Acme;Jo;V-7;x;\n' > "$tmp/excel.csv"
"$kyt" render "$tpl" --csv "$tmp/excel.csv" --row 1 -o "$tmp/excel.pdf" || fail "semicolon/1252 CSV not read"
pdftotext -f 1 -l 1 "$tmp/excel.pdf" - | grep -q "Müller" || fail "Windows-1252 text not decoded"
"$kyt" render "$tpl" --csv "$tmp/excel.csv" --row 1 --delimiter , -o "$tmp/x.pdf" 2> "$tmp/err" && fail "forced comma still read the semicolon file"
"$kyt" render "$tpl" --csv "$tmp/excel.csv" --row 1 --encoding latin9 -o "$tmp/x.pdf" 2> /dev/null; [[ $? -eq 2 ]] || fail "unknown encoding accepted"

# preview takes --csv FILE --row N like render.
"$kyt" preview "$tpl" --csv "$tmp/excel.csv" --row 1 --screenshot "$tmp/shot.png" > /dev/null 2>&1 || fail "preview --csv --row failed"
[[ -s "$tmp/shot.png" ]] || fail "preview wrote no screenshot"

# Files that are not data streams, and a pipe, handed to --data.
"$kyt" render "$tpl" --data "$tmp/export.csv" -o "$tmp/x.pdf" 2> "$tmp/err" && fail "a CSV was taken as a data stream"
grep -q -- "--csv FILE --row N" "$tmp/err" || fail "no hint for a CSV given to --data: $(cat "$tmp/err")"
printf 'FirstName=Ann\nLastName=Lee\n' > "$tmp/pairs.txt"
"$kyt" render "$tpl" --data "$tmp/pairs.txt" -o "$tmp/x.pdf" 2> "$tmp/err" && fail "a name=value file was taken as a data stream"
grep -q "no field separators" "$tmp/err" || fail "name=value file: $(cat "$tmp/err")"
mkfifo "$tmp/pipe"
timeout 20 "$kyt" render "$tpl" --data "$tmp/pipe" -o "$tmp/x.pdf" 2> "$tmp/err"; rc=$?
[[ $rc -eq 1 ]] && grep -q "not a regular file" "$tmp/err" || fail "--data on a pipe gave $rc: $(cat "$tmp/err")"

# A value the barcode cannot hold: render fails naming field, value and
# reason; batch skips that record and exits 1.
printf '%s\nAnn,Lee,Acme,Jo,V-\xc3\xa9,x,\nBob,Ray,Acme,Jo,V-2,x,\n' "$header" > "$tmp/bad.csv"
"$kyt" render "$tpl" --csv "$tmp/bad.csv" --row 1 -o "$tmp/bad.png" 2> "$tmp/err" && fail "an unencodable badge number rendered"
grep -q 'field "BadgeNo": the value "V-é" cannot be drawn as a barcode: Code 128 B' "$tmp/err" || fail "barcode failure not explained: $(cat "$tmp/err")"
[[ ! -e "$tmp/bad.png" ]] || fail "a failed card was written"
"$kyt" batch "$tpl" --csv "$tmp/bad.csv" -o "$tmp/bad.pdf" --quiet > /dev/null 2> "$tmp/err"; rc=$?
[[ $rc -eq 1 ]] || fail "batch with an unencodable record exited $rc"
grep -q 'record 1 (line 2) skipped: field "BadgeNo"' "$tmp/err" || fail "batch did not report the record: $(cat "$tmp/err")"
[[ "$(pages "$tmp/bad.pdf")" == 2 ]] || fail "the good record was not printed alone"
printf 'BadgeNo\001V-\303\251\002' > "$tmp/bad.data"
"$kyt" print "$tpl" --data "$tmp/bad.data" --allow-missing-fields --printer no-such-queue 2> "$tmp/err" && fail "print accepted an unencodable value"
grep -q 'field "BadgeNo": the value "V-é" cannot be drawn as a barcode' "$tmp/err" || fail "print did not explain: $(cat "$tmp/err")"

# Control characters from a file reach the terminal escaped.
printf '%s\nAnn,Lee,Acme,Jo,V-1,x,evil\033]0;owned\007.png\n' "$header" > "$tmp/esc.csv"
"$kyt" batch "$tpl" --csv "$tmp/esc.csv" -o "$tmp/esc.pdf" --quiet > /dev/null 2> "$tmp/err"
grep -q 'evil\\x1B\]0;owned\\x07.png' "$tmp/err" || fail "escape sequence not shown escaped: $(cat -v "$tmp/err")"
if grep -q $'\033' "$tmp/err"; then fail "a raw escape character reached the terminal"; fi
echo "ok"
