#!/usr/bin/env bash
# Output files: the whole card on the page whatever Orientation says, a full
# disk reported with the old file kept, the umask and an existing file's mode
# kept, signals leave no partial file (a killed run's is removed by the next),
# nonsense sizes and resolutions refused clearly, --offset moves the card by
# its amount.
#   usage: cli_output_safety.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_output_safety "$@"
needs pdfinfo pdftotext /usr/bin/python3
scratch
mnt=""
cleanup() { [[ -n "$mnt" ]] && umount "$mnt" 2>/dev/null; rm -rf "$tmp"; }
trap cleanup EXIT
tpl="$src/examples/sample_card.tpl"
data="$src/examples/sample_card.data"

# patch TEMPLATE OUT WIDTH ORIENTATION : the template with another width and
# orientation in its header record
patch() {
  /usr/bin/python3 - "$@" <<'PY'
import sys
b = open(sys.argv[1], "rb").read()
n = int.from_bytes(b[10:14], "little")
f = b[14:14 + n].split(b"\x01")
f[0] = sys.argv[3].encode(); f[3] = sys.argv[4].encode()
r = b"\x01".join(f)
open(sys.argv[2], "wb").write(b[:10] + len(r).to_bytes(4, "little") + r + b[14 + n:])
PY
}
page_size() { pdfinfo "$1" | sed -n 's/^Page size:[[:space:]]*\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p'; }
word_pos() {
  pdftotext -f 1 -l 1 -bbox "$1" - | sed -n "s/.*xMin=\"\([0-9.]*\)\" yMin=\"\([0-9.]*\)\".*>$2<.*/\1 \2/p" | head -n1
}

printf 'FirstName,LastName\nAnn,Aalto\nBo,Berg\nCy,Cruz\n' > "$tmp/c.csv"

# 1. Orientation 1 (portrait) on a wide card: still a wide page holding the
# whole card, from render and from batch.
patch "$tpl" "$tmp/portrait.tpl" 3.375 1
"$kyt" render "$tmp/portrait.tpl" --data "$data" -o "$tmp/portrait.pdf" || fail "render of the portrait card failed"
[[ "$(page_size "$tmp/portrait.pdf")" == "243 153" ]] || fail "Orientation 1 gives a $(page_size "$tmp/portrait.pdf") pt page"
"$kyt" render "$tpl" --data "$data" -o "$tmp/landscape.pdf" || fail "render failed"
[[ "$(pdftotext "$tmp/portrait.pdf" -)" == "$(pdftotext "$tmp/landscape.pdf" -)" ]] || fail "Orientation 1 loses text"
"$kyt" batch "$tmp/portrait.tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/pb.pdf" --quiet >/dev/null || fail "batch of the portrait card failed"
[[ "$(page_size "$tmp/pb.pdf")" == "243 153" ]] || fail "batch with Orientation 1 gives a $(page_size "$tmp/pb.pdf") pt page"

# 2. --offset moves every card by its amount (points in the PDF).
"$kyt" batch "$tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/o0.pdf" --quiet >/dev/null || fail "batch failed"
"$kyt" batch "$tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/o1.pdf" --offset 0.5mm,-0.25in --quiet >/dev/null || fail "batch --offset failed"
a=$(word_pos "$tmp/o0.pdf" Aalto); b=$(word_pos "$tmp/o1.pdf" Aalto)
awk -v a="$a" -v b="$b" 'BEGIN { split(a, p, " "); split(b, q, " "); dx = q[1] - p[1]; dy = q[2] - p[2];
  exit !(dx > 1.2 && dx < 1.63 && dy > -18.3 && dy < -17.7) }' || fail "--offset 0.5mm,-0.25in moved Aalto from ($a) to ($b)"
"$kyt" batch "$tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/o2.pdf" --offset 9,0 --quiet 2> "$tmp/err" && fail "--offset 9,0 accepted"
grep -q "inches" "$tmp/err" || fail "bad --offset message: $(cat "$tmp/err")"

# The calibration card: card-sized, moved by --offset.
"$kyt" calibration-card -o "$tmp/cal0.pdf" || fail "calibration-card -o PDF failed"
"$kyt" calibration-card -o "$tmp/cal1.pdf" --offset 1mm,-2mm || fail "calibration-card --offset failed"
[[ "$(page_size "$tmp/cal0.pdf")" == "243 153" ]] || fail "the calibration card is $(page_size "$tmp/cal0.pdf") pt"
a=$(word_pos "$tmp/cal0.pdf" Calibration); b=$(word_pos "$tmp/cal1.pdf" Calibration)
awk -v a="$a" -v b="$b" 'BEGIN { split(a, p, " "); split(b, q, " "); dx = q[1] - p[1]; dy = q[2] - p[2];
  exit !(dx > 2.6 && dx < 3.1 && dy > -5.9 && dy < -5.4) }' || fail "calibration card --offset 1mm,-2mm: ($a) to ($b)"

# 3. Sizes that make no sense are refused on every output.
for w in 1e9 0 -3 1e999 nan; do
  patch "$tpl" "$tmp/bad.tpl" "$w" 2
  for out in "$tmp/bad.png" "$tmp/bad.pdf"; do
    "$kyt" render "$tmp/bad.tpl" -o "$out" 2> "$tmp/err"; rc=$?
    [[ $rc == 1 ]] || fail "width $w to $out: exit $rc"
    grep -Eq "makes no sense|is not a number" "$tmp/err" || fail "width $w: unclear message: $(cat "$tmp/err")"
    [[ -e "$out" ]] && fail "width $w: $out was written"
  done
  "$kyt" batch "$tmp/bad.tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/bad.pdf" 2> "$tmp/err" && fail "batch with width $w succeeded"
  grep -Eq "makes no sense|is not a number" "$tmp/err" || fail "batch width $w: unclear message: $(cat "$tmp/err")"
done

# 4. --dpi beyond a picture's memory names the largest that fits, which works.
"$kyt" render "$tpl" -o "$tmp/big.png" --dpi 4800 2> "$tmp/err" && fail "--dpi 4800 accepted"
most=$(sed -n 's/.*the largest --dpi that fits is \([0-9]*\).*/\1/p' "$tmp/err")
[[ -n "$most" ]] || fail "the --dpi message names no largest dpi: $(cat "$tmp/err")"
"$kyt" render "$tpl" -o "$tmp/big.png" --dpi "$most" || fail "--dpi $most (the largest that fits) failed"
"$kyt" render "$tpl" -o "$tmp/big.png" --dpi $((most + 1)) 2>/dev/null && fail "--dpi $((most + 1)) accepted"
rm -f "$tmp/big.png"

# 5. A very long output name: a clear error, nothing written.
long="$tmp/$(printf 'x%.0s' $(seq 1 300)).pdf"
"$kyt" render "$tpl" -o "$long" 2> "$tmp/err" && fail "a 300-byte file name was accepted"
grep -q "too long" "$tmp/err" || fail "long name: unclear message: '$(cat "$tmp/err")'"

"$kyt" batch "$tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/no/such/x.pdf" --quiet 2> "$tmp/err"; rc=$?
[[ $rc == 1 ]] || fail "batch into a missing folder: exit $rc"
grep -q "does not exist" "$tmp/err" || fail "missing folder: unclear message: '$(cat "$tmp/err")'"

# 6. A record past the end names how many the file holds.
"$kyt" render "$tpl" --csv "$tmp/c.csv" --allow-missing-fields --row 9 -o "$tmp/r.png" 2> "$tmp/err" && fail "--row 9 of 3 accepted"
grep -q "the file holds 3" "$tmp/err" || fail "row message: $(cat "$tmp/err")"

# 7. The umask and an existing file's mode are kept.
for ext in pdf png; do
  (umask 077; "$kyt" render "$tpl" -o "$tmp/m.$ext") || fail "render to $ext failed"
  [[ $(stat -c %a "$tmp/m.$ext") == 600 ]] || fail "$ext under umask 077 is $(stat -c %a "$tmp/m.$ext")"
  chmod 640 "$tmp/m.$ext"
  (umask 022; "$kyt" render "$tpl" -o "$tmp/m.$ext") || fail "render over $ext failed"
  [[ $(stat -c %a "$tmp/m.$ext") == 640 ]] || fail "$ext replaced: mode $(stat -c %a "$tmp/m.$ext"), not 640"
done
(umask 027; "$kyt" batch "$tpl" --csv "$tmp/c.csv" --allow-missing-fields -o "$tmp/m2.pdf" --quiet >/dev/null) || fail "batch failed"
[[ $(stat -c %a "$tmp/m2.pdf") == 640 ]] || fail "batch under umask 027 wrote mode $(stat -c %a "$tmp/m2.pdf")"

# 8. Signals during a batch: no partial file, no final file. SIGKILL cannot
# be caught: its partial file stays until the next output to that name.
awk 'BEGIN { print "FirstName,LastName"; for (i = 0; i < 40000; i++) print "N" i ",L" i }' > "$tmp/big.csv"
set -m # background jobs keep SIGINT
for sig in TERM INT HUP QUIT PIPE USR1 KILL; do
  rm -f "$tmp"/.sig.pdf.*
  "$kyt" batch "$tpl" --csv "$tmp/big.csv" --allow-missing-fields -o "$tmp/sig.pdf" --quiet >/dev/null 2>&1 &
  pid=$!
  part=""
  for _ in $(seq 1 2000); do
    part=$(find "$tmp" -maxdepth 1 -name '.sig.pdf.*.part' -size +10k | head -n1)
    [[ -n "$part" ]] && break
    sleep 0.01
  done
  [[ -n "$part" ]] || fail "SIG$sig: no partial file appeared"
  kill -s "$sig" "$pid" || fail "SIG$sig: the batch ended before the signal"
  wait "$pid" 2>/dev/null
  [[ -e "$tmp/sig.pdf" ]] && fail "SIG$sig left a file under the final name"
  if [[ $sig != KILL ]]; then
    [[ -e "$part" ]] && fail "SIG$sig left the partial file $part"
  else
    [[ -e "$part" ]] || fail "SIGKILL left no partial file: the test proves nothing"
    "$kyt" render "$tpl" -o "$tmp/sig.pdf" || fail "render after SIGKILL failed"
    [[ -e "$part" ]] && fail "the next output to sig.pdf left the stale partial file $part"
    rm -f "$tmp/sig.pdf"
  fi
  rm -f "$part"
done
set +m

# 9. A full disk: exit 1 with the system's reason, the old file intact, no
# "written" claim, no partial file.
mnt="$tmp/full"
mkdir -p "$mnt"
if mount -t tmpfs -o size=512k tmpfs "$mnt" 2>/dev/null; then
  "$kyt" render "$tpl" --data "$data" -o "$mnt/card.pdf" || fail "render to the small disk failed"
  "$kyt" render "$tpl" --data "$data" -o "$mnt/card.png" --dpi 50 || fail "PNG to the small disk failed"
  cp "$tpl" "$mnt/card.tpl" 2>/dev/null || printf 'old' > "$mnt/card.tpl"
  cp "$mnt/card.pdf" "$tmp/card.pdf.orig"; cp "$mnt/card.png" "$tmp/card.png.orig"; cp "$mnt/card.tpl" "$tmp/card.tpl.orig"
  dd if=/dev/zero of="$mnt/filler" bs=4k 2>/dev/null
  # Enough cards that the disk fills while they are drawn, not only at the end.
  head -n 2001 "$tmp/big.csv" > "$tmp/many.csv"
  for cmd in "render $tpl --data $data -o $mnt/card.pdf" "render $tpl --data $data -o $mnt/card.png" \
             "batch $tpl --csv $tmp/c.csv --allow-missing-fields -o $mnt/card.pdf --quiet" \
             "batch $tpl --csv $tmp/many.csv --allow-missing-fields -o $mnt/card.pdf --quiet" \
             "resave $tpl $mnt/card.tpl"; do
    # shellcheck disable=SC2086
    "$kyt" $cmd > "$tmp/out" 2> "$tmp/err"; rc=$?
    [[ $rc == 1 ]] || fail "'$cmd' on a full disk: exit $rc"
    grep -q "No space left on device" "$tmp/err" || fail "'$cmd': the reason is missing: $(cat "$tmp/err")"
    grep -qi "written" "$tmp/out" && fail "'$cmd' claims success: $(cat "$tmp/out")"
    cmp -s "$mnt/card.pdf" "$tmp/card.pdf.orig" || fail "'$cmd' changed the old PDF"
    cmp -s "$mnt/card.png" "$tmp/card.png.orig" || fail "'$cmd' changed the old PNG"
    cmp -s "$mnt/card.tpl" "$tmp/card.tpl.orig" || fail "'$cmd' changed the old template"
    [[ -z "$(find "$mnt" -name '*.part')" ]] || fail "'$cmd' left a partial file"
  done
  umount "$mnt"; mnt=""
else
  echo "cli_output_safety: SKIPPED the full-disk check: mounting a tmpfs is not allowed here" >&2
fi
echo "cli_output_safety: ok"
