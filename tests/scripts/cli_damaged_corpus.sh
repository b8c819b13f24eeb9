#!/usr/bin/env bash
# Every command that reads a template, over damaged copies of the sample
# card: each field of the page record and of every object set to values a
# damaged file holds (negative, too large, not a number), the file cut at
# several places, a broken picture. A command reports and exits 1 or 0; an
# abort, a crash or a hang fails the test.
#   usage: cli_damaged_corpus.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_damaged_corpus "$@"
needs /usr/bin/python3 timeout xargs
scratch
corpus="$tmp/corpus"
mkdir -p "$corpus"
/usr/bin/python3 - "$src/examples/sample_card.tpl" "$corpus" <<'PY' || fail "the corpus could not be made"
import struct, sys
data = open(sys.argv[1], "rb").read()
out = sys.argv[2]
def length(b, at): return struct.unpack("<i", b[at:at + 4])[0]
pos = 10
n = length(data, pos)
page = data[pos + 4:pos + 4 + n]
pos += 4 + n
objects = []
for _ in range(int(page.split(b"\x01")[4])):
    kind, n = data[pos:pos + 10], length(data, pos + 10)
    objects.append((kind, data[pos + 14:pos + 14 + n]))
    pos += 14 + n
rest = data[pos:]
def record(text): return struct.pack("<i", len(text)) + text
def put(name, page_text, objs, tail=rest):
    body = data[:10] + record(page_text)
    for kind, text in objs:
        body += kind + record(text)
    open("%s/%s.tpl" % (out, name), "wb").write(body + tail)
def replaced(text, i, value):
    fields = text.split(b"\x01")
    if i >= len(fields) - 1:
        return None
    fields[i] = value
    return b"\x01".join(fields)
values = [b"-1", b"32767", b"1e308", b"nan", b"x"]
for v, value in enumerate(values):
    for i in range(9):
        put("page%d-%d" % (i, v), replaced(page, i, value), objects)
    for i in range(max(len(t.split(b"\x01")) for _, t in objects) - 1):
        objs = [(k, replaced(t, i, value) or t) for k, t in objects]
        put("token%d-%d" % (i, v), page, objs)
whole = open(sys.argv[1], "rb").read()
for k in range(1, 13):
    open("%s/cut%d.tpl" % (out, k), "wb").write(whole[:len(whole) * k // 13])
at = whole.index(b"BM", 2169)
open("%s/picture.tpl" % out, "wb").write(whole[:at + 20] + b"\xff" * 64 + whole[at + 84:])
PY
count=$(ls "$corpus" | wc -l)
[[ $count -gt 150 ]] || fail "only $count damaged files were made"
printf 'FirstName,LastName,Company,Host,BadgeNo,ValidUntil,Image\nAnn,Lee,KYT,Bo,1234,2030,\n' > "$tmp/c.csv"
export CUPS_SERVER="$tmp/no-scheduler.sock" # print reaches no real printer

# run FILE: every command over one file; prints a line for each that
# aborted, crashed or hung.
run() {
  local f=$1 name rc
  name=$(basename "$f" .tpl)
  # (check --verify does what check does and renders the card too.)
  local -a cmds=(
    "info $f --json" "resave $f $tmp/out-$name.tpl"
    "render $f -o $tmp/out-$name.png --dpi 60" "render $f -o $tmp/out-$name.pdf"
    "check $f --verify --dpi 150" "check $f --csv $tmp/c.csv"
    "batch $f --csv $tmp/c.csv -o $tmp/out-$name.pdf --quiet" "print $f --printer Nowhere"
    "preview $f --screenshot $tmp/out-$name.png" "design $f --screenshot $tmp/out-$name.png"
  )
  for c in "${cmds[@]}"; do
    # shellcheck disable=SC2086
    timeout 120 "$kyt" $c > /dev/null 2>&1 < /dev/null; rc=$?
    [[ $rc -le 2 ]] || echo "exit $rc: kytpreview $c"
  done
}
export -f run
export kyt tmp
ls "$corpus"/*.tpl | xargs -P 2 -I{} bash -c 'run "$1"' _ {} > "$tmp/bad"
if [[ -s "$tmp/bad" ]]; then
  head -n 20 "$tmp/bad" >&2
  fail "$(wc -l < "$tmp/bad") runs aborted, crashed or hung over $count damaged files"
fi
echo "cli_damaged_corpus: ok ($count files)"
