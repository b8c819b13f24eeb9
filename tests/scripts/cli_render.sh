#!/usr/bin/env bash
# kytpreview render: the sample card to PNG and PDF at their exact sizes,
# the trace as JSON lines, and the exit codes of bad input.
#   usage: cli_render.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_render "$@"
needs pdfinfo pdftotext pdftoppm pdfimages /usr/bin/python3
scratch
tpl="$src/examples/sample_card.tpl"
data="$src/examples/sample_card.data"
[[ -f "$tpl" ]] || fail "$tpl missing"

png_size() { /usr/bin/python3 -c 'import struct,sys; b=open(sys.argv[1],"rb").read(24); assert b[:8]==b"\x89PNG\r\n\x1a\n"; print(*struct.unpack(">II", b[16:24]))' "$1"; }

# A duplex CR80 card at 300 dpi, both sides stacked: ceil(3.375 * 300) = 1013
# wide, 2 * 2.125 * 300 = 1275 high.
"$kyt" render "$tpl" --data "$data" -o "$tmp/card.png" || fail "render to PNG failed"
[[ "$(png_size "$tmp/card.png")" == "1013 1275" ]] || fail "PNG is $(png_size "$tmp/card.png"), not 1013 x 1275"
"$kyt" render "$tpl" --data "$data" -o "$tmp/card96.png" --dpi 96 || fail "render at 96 dpi failed"
[[ "$(png_size "$tmp/card96.png")" == "324 408" ]] || fail "96 dpi PNG is $(png_size "$tmp/card96.png"), not 324 x 408"

"$kyt" render "$tpl" --data "$data" -o "$tmp/card.pdf" || fail "render to PDF failed"
info=$(pdfinfo "$tmp/card.pdf") || fail "pdfinfo cannot read the PDF"
[[ "$(sed -n 's/^Pages:[[:space:]]*//p' <<<"$info")" == 2 ]] || fail "PDF does not have 2 pages"
grep -q '^Page size:[[:space:]]*243 x 153 pts' <<<"$info" || fail "PDF page is not 243 x 153 pt: $(grep 'Page size' <<<"$info")"
pdftotext -f 1 -l 1 "$tmp/card.pdf" - | grep -q "Lindqvist" || fail "the data value is not on page 1"
pdftotext -f 2 -l 2 "$tmp/card.pdf" - | grep -q "Valid until" || fail "the back is not on page 2"

# A JPEG photo goes into the PDF as its file is, byte for byte.
pdftoppm -jpeg -r 40 -f 1 -l 1 "$tmp/card.pdf" "$tmp/shot" || fail "pdftoppm failed"
shot=$(ls "$tmp"/shot-*.jpg)
printf 'FirstName,LastName,Image\nAnn,Okafor,%s\n' "$(basename "$shot")" > "$tmp/j.csv"
"$kyt" render "$tpl" --csv "$tmp/j.csv" --row 1 --allow-missing-fields -o "$tmp/j.pdf" 2>/dev/null || fail "render with a JPEG photo failed"
pdfimages -j "$tmp/j.pdf" "$tmp/img" || fail "pdfimages cannot read the PDF"
same=0
for f in "$tmp"/img-*.jpg; do cmp -s "$f" "$shot" && same=1; done
[[ $same == 1 ]] || fail "the JPEG photo was not stored as its file"
rm -f "$tmp"/img-*

# Without data the field names are drawn.
"$kyt" render "$tpl" -o "$tmp/names.pdf" || fail "render without data failed"
pdftotext -f 1 -l 1 "$tmp/names.pdf" - | grep -q "LastName" || fail "field names are not drawn without data"

# Trace: JSON lines only, alone and beside a real output.
"$kyt" render "$tpl" --data "$data" --trace > "$tmp/trace.jsonl" 2>/dev/null || fail "trace failed"
"$kyt" render "$tpl" --data "$data" --trace -o "$tmp/t.png" > "$tmp/trace2.jsonl" 2>/dev/null || fail "trace with -o failed"
[[ -s "$tmp/t.png" ]] || fail "trace with -o wrote no picture"
for f in "$tmp/trace.jsonl" "$tmp/trace2.jsonl"; do
  /usr/bin/python3 - "$f" <<'PY' || fail "$f is not JSON lines with the expected calls"
import json, sys
ops = [json.loads(l)["op"] for l in open(sys.argv[1]) if l.strip()]
assert len(ops) > 20 and ops[0] == "ScaleMode", ops[:3]
assert "Print" in ops and "Line" in ops and "PaintPicture" in ops
PY
done
grep -q '"text":"Lindqvist"' "$tmp/trace.jsonl" || fail "the trace lacks the data value"

# CSV record as data.
printf 'FirstName,LastName\nAnn,Okafor\n"Bo, Jr",Quist\n' > "$tmp/c.csv"
# Into a file: grep -q stopping early would break the pipe (pipefail).
"$kyt" render "$tpl" --csv "$tmp/c.csv" --row 2 --allow-missing-fields --trace > "$tmp/row.jsonl" 2>/dev/null || fail "--csv --row failed"
grep -q '"text":"Quist"' "$tmp/row.jsonl" || fail "--csv --row did not take record 2"

# Bad input: clear message, non-zero exit, nothing written, old file kept.
expect_fail() { # CODE DESCRIPTION CMD...
  local code=$1 what=$2; shift 2
  "$@" > "$tmp/out.txt" 2> "$tmp/err.txt"; local rc=$?
  [[ $rc -eq $code ]] || fail "$what: exit $rc, expected $code"
  grep -q "kytpreview render:" "$tmp/err.txt" || fail "$what: no message on standard error"
}
echo keep > "$tmp/keep.png"
expect_fail 1 "missing template" "$kyt" render "$tmp/none.tpl" -o "$tmp/keep.png"
head -c 300 "$tpl" > "$tmp/cut.tpl"
expect_fail 1 "damaged template" "$kyt" render "$tmp/cut.tpl" -o "$tmp/keep.png"
printf 'not a template at all' > "$tmp/text.tpl"
expect_fail 1 "not a template" "$kyt" render "$tmp/text.tpl" -o "$tmp/keep.png"
[[ "$(cat "$tmp/keep.png")" == keep ]] || fail "a failed render replaced the existing output"
expect_fail 1 "missing data file" "$kyt" render "$tpl" --data "$tmp/none.data" -o "$tmp/x.png"
expect_fail 1 "missing row" "$kyt" render "$tpl" --csv "$tmp/c.csv" --row 9 -o "$tmp/x.png"
expect_fail 2 "bad extension" "$kyt" render "$tpl" -o "$tmp/x.gif"
expect_fail 2 "bad dpi" "$kyt" render "$tpl" -o "$tmp/x.png" --dpi 0
expect_fail 2 "no output" "$kyt" render "$tpl"
[[ ! -e "$tmp/x.png" ]] || fail "a failed render left an output"
ls -A "$tmp" | grep -q '\.part$' && fail "a temporary file was left behind"
"$kyt" render --help > "$tmp/help.txt" && grep -q -- "--trace" "$tmp/help.txt" || fail "render --help lacks --trace"

# batch: a bad record is named and skipped, the others printed, exit 1.
printf 'FirstName,LastName,Image\nAnn,Aalto,\nBo,Berg,gone.jpg\nCy,"Cruz\n' > "$tmp/b.csv"
printf 'Dee,Dahl,\n' >> "$tmp/b.csv"
"$kyt" batch "$tpl" --csv "$tmp/b.csv" --allow-missing-fields -o "$tmp/b.pdf" > "$tmp/out.txt" 2> "$tmp/err.txt"; rc=$?
[[ $rc -eq 1 ]] || fail "batch with bad records: exit $rc, expected 1"
grep -q "record 2 (line 3) skipped: .*gone.jpg" "$tmp/err.txt" || fail "batch did not name record 2: $(cat "$tmp/err.txt")"
grep -q "2 of 3 records failed" "$tmp/err.txt" || fail "batch did not count the failures: $(cat "$tmp/err.txt")"
[[ "$(pdfinfo "$tmp/b.pdf" | sed -n 's/^Pages:[[:space:]]*//p')" == 2 ]] || fail "batch PDF should hold one two-sided card"
printf 'FirstName\nAnn\n' > "$tmp/ok.csv"
"$kyt" batch "$tpl" --csv "$tmp/ok.csv" --allow-missing-fields -o "$tmp/ok.pdf" > /dev/null 2>&1 || fail "a clean batch did not exit 0"
echo "cli_render: ok"
