#!/usr/bin/env bash
# kytpreview print through a real CUPS queue (cups-pdf): a two-sided card
# must come out of the queue as a two-page PDF of card size with the back
# on page 2. Also the batch command through the same queue.
#   usage: cli_print_cups.sh BUILD_DIR SOURCE_DIR
# Exit 77 (skipped) only when CUPS, cups-pdf or poppler-utils is missing.
set -uo pipefail
build="${1:?build folder}"
src="${2:-$(cd "$(dirname "$0")/../.." && pwd)}"
queue="${KYT_CUPS_QUEUE:-KYT_PDF}"
export KYT_CUPS_QUEUE="$queue"
export QT_QPA_PLATFORM=offscreen
kyt="$build/app/kytpreview"
fail() { echo "cli_print_cups: FAIL: $*" >&2; exit 1; }
for t in pdfinfo pdftotext ipptool; do command -v "$t" >/dev/null || { echo "cli_print_cups: $t missing" >&2; exit 77; }; done
[[ -x "$kyt" ]] || fail "$kyt not built"

out=$(bash "$src/scripts/cups-setup.sh")
rc=$?
[[ $rc -eq 77 ]] && { echo "cli_print_cups: CUPS or cups-pdf not installed: skipped" >&2; exit 77; }
[[ $rc -ne 0 ]] && fail "cups-setup.sh failed ($rc)"
outdir=$(printf '%s\n' "$out" | tail -n1)
[[ -n "$outdir" ]] || fail "cups-setup.sh did not say where the PDF files go"

tmp=$(mktemp -d)
marker="$tmp/marker"; : > "$marker"
stopq="KYT_STOP_$$"
cleanup() {
  if lpstat -p "$stopq" >/dev/null 2>&1; then cancel -a "$stopq" 2>/dev/null; lpadmin -x "$stopq" 2>/dev/null; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
# Calibrations go to a store of this run's own.
export KYT_REGISTRY="$tmp/registry.db"
source "$src/tests/scripts/lib/cups_job.sh"

# check_job OUTPUT NAME=VALUE... : the job id printed by the command, then
# the scheduler's record of the job holds each attribute.
check_job() {
  local out="$1" id attrs want got
  shift
  id=$(sed -n 's/^job [^ ]*-\([0-9][0-9]*\):.*/\1/p' <<<"$out" | head -n1)
  [[ -n "$id" ]] || fail "no job id reported: '$out'"
  attrs=$(job_attrs "$queue" "$id")
  for want in "$@"; do
    got=$(job_attr "$attrs" "${want%%=*}")
    [[ "$got" == "${want#*=}" ]] || fail "job $id: ${want%%=*} is '$got', expected '${want#*=}'"
  done
}
# word_pos PDF WORD : "x y" in points of the word's top-left corner on page 1
word_pos() {
  pdftotext -f 1 -l 1 -bbox "$1" - | sed -n "s/.*xMin=\"\([0-9.]*\)\" yMin=\"\([0-9.]*\)\".*>$2<.*/\1 \2/p" | head -n1
}

# wait_pdf TITLE : the PDF cups-pdf names after the job title
wait_pdf() {
  local pdf=""
  for _ in $(seq 1 120); do
    pdf=$(find "$outdir" -maxdepth 1 -name "*$1*.pdf" -newer "$marker" 2>/dev/null | head -n1)
    [[ -n "$pdf" && -s "$pdf" ]] && { sleep 1; echo "$pdf"; return 0; }
    sleep 0.5
  done
  lpstat -o "$queue" >&2 || true
  return 1
}

title="kytcli$$p$(date +%s)"
out=$("$kyt" print "$src/examples/sample_card.tpl" --data "$src/examples/sample_card.data" --printer "$queue" --title "$title") \
  || fail "kytpreview print failed"
check_job "$out" sides=two-sided-long-edge print-quality=high copies=1 media=custom_card_3.375x2.125in \
  orientation-requested=landscape "job-name=$title"
pdf=$(wait_pdf "$title") || fail "no PDF named after $title appeared in $outdir"
echo "cli_print_cups: $pdf"
check_pages "$pdf" 2
front=$(pdftotext -f 1 -l 1 "$pdf" -)
back=$(pdftotext -f 2 -l 2 "$pdf" -)
grep -q "Lindqvist" <<<"$front" || fail "front text missing on page 1: '$front'"
grep -q "Valid until" <<<"$back" || fail "back text missing on page 2: '$back'"
grep -q "Valid until" <<<"$front" && fail "back text printed on the front"
plain=$(word_pos "$pdf" Lindqvist)
[[ -n "$plain" ]] || fail "Lindqvist not found on page 1 of $pdf"

# A JPEG photo goes into the job as its file is: the printed card holds a
# picture of the photo's size where the placeholder (64 x 2) was drawn.
if command -v pdftoppm > /dev/null && command -v pdfimages > /dev/null; then
  pdftoppm -jpeg -r 40 -f 1 -l 1 "$pdf" "$tmp/shot" && mv "$(ls "$tmp"/shot-*.jpg | head -n1)" "$tmp/shot.jpg" \
    || fail "pdftoppm could not make a JPEG photo"
  sed 's/sample_photo\.png/shot.jpg/' "$src/examples/sample_card.data" > "$tmp/jpeg.data"
  title="kytcli$$j$(date +%s)"
  "$kyt" print "$src/examples/sample_card.tpl" --data "$tmp/jpeg.data" --printer "$queue" --title "$title" \
    > /dev/null || fail "print with a JPEG photo failed"
  jpdf=$(wait_pdf "$title") || fail "no PDF named after $title appeared"
  check_pages "$jpdf" 2
  images=$(pdfimages -list "$jpdf")
  awk '$4 == 64 && $5 == 2 { found = 1 } END { exit !found }' <<<"$images" && fail "the placeholder was printed: $images"
  awk '$4 == 135 && $5 == 85 { found = 1 } END { exit !found }' <<<"$images" || fail "the photo is not on the card: $images"
  [[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$jpdf"
fi
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"

# Copies, tray and a further option reach the job; --wait waits for its end.
out=$("$kyt" print "$src/examples/sample_card.tpl" --printer "$queue" --title "kytcli$$c" --copies 2 --tray auto \
  --option job-priority=70 --wait) || fail "print --copies 2 --wait failed: $out"
grep -q "completed" <<<"$out" || fail "--wait did not report the job's end: '$out'"
check_job "$out" copies=2 media-source=auto job-priority=70 job-state=completed

# Calibration: the stored offsets move the printed card by their amount.
"$kyt" printers calibrate "$queue" --offset 0.25,0.125 >/dev/null || fail "printers calibrate failed"
"$kyt" printers show "$queue" | grep -q "offset 0.25,0.125 in" || fail "printers show: $("$kyt" printers show "$queue")"
"$kyt" printers list | grep -q "^$queue.*offset 0.25,0.125" || fail "printers list does not show the calibration"
title="kytcli$$k$(date +%s)"
"$kyt" print "$src/examples/sample_card.tpl" --data "$src/examples/sample_card.data" --printer "$queue" --title "$title" \
  >/dev/null || fail "calibrated print failed"
pdf=$(wait_pdf "$title") || fail "no calibrated PDF named after $title appeared"
moved=$(word_pos "$pdf" Lindqvist)
awk -v a="$plain" -v b="$moved" 'BEGIN { split(a, p, " "); split(b, q, " "); dx = q[1] - p[1]; dy = q[2] - p[2];
  exit !(dx > 17.4 && dx < 18.6 && dy > 8.4 && dy < 9.6) }' \
  || fail "calibration 0.25,0.125 in moved Lindqvist from ($plain) to ($moved) pt, not by (18, 9)"
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"
out=$("$kyt" calibration-card --printer "$queue" --wait) || fail "calibration-card --printer failed: $out"
check_job "$out" media=custom_card_3.375x2.125in job-state=completed
"$kyt" printers calibrate "$queue" --reset >/dev/null || fail "printers calibrate --reset failed"
"$kyt" printers show "$queue" | grep -q "not calibrated" || fail "the calibration was not forgotten"

# A stopped printer with --wait: an error naming it, exit 1.
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_*.ppd 2>/dev/null | head -n1)
if [[ -n "$ppd" ]] && lpadmin -p "$stopq" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null; then
  cupsdisable "$stopq"
  "$kyt" print "$src/examples/sample_card.tpl" --printer "$stopq" --wait > "$tmp/out" 2> "$tmp/err" \
    && fail "--wait on a stopped printer succeeded"
  grep -q "job $stopq-[0-9]" "$tmp/out" || fail "no job id before the wait: $(cat "$tmp/out")"
  grep -q "stopped" "$tmp/err" || fail "the error does not say the printer is stopped: $(cat "$tmp/err")"
else
  echo "cli_print_cups: could not make a second queue: the stopped-printer check is skipped" >&2
fi

# A held job with --wait: the hold is reported and the wait ends, exit 1.
"$kyt" print "$src/examples/sample_card.tpl" --printer "$queue" -o job-hold-until=indefinite --wait \
  > "$tmp/out" 2> "$tmp/err" && fail "--wait on a held job succeeded"
held=$(sed -n 's/^job [^ ]*-\([0-9][0-9]*\):.*/\1/p' "$tmp/out" | head -n1)
[[ -n "$held" ]] && cancel "$held" 2>/dev/null
grep -q "job [0-9]* is held" "$tmp/err" || fail "the hold is not reported: $(cat "$tmp/err")"

# Three records in one job: six pages, each card's back after its front.
printf 'FirstName,LastName\nAnn,Aalto\nBo,Berg\nCy,Cruz\n' > "$tmp/c.csv"
title="kytcli$$b$(date +%s)"
out=$("$kyt" batch "$src/examples/sample_card.tpl" --csv "$tmp/c.csv" --allow-missing-fields --printer "$queue" --title "$title" --quiet) \
  || fail "kytpreview batch to the queue failed"
check_job "$out" sides=two-sided-long-edge print-quality=high media=custom_card_3.375x2.125in
pdf=$(wait_pdf "$title") || fail "no batch PDF named after $title appeared"
check_pages "$pdf" 6
pdftotext -f 5 -l 5 "$pdf" - | grep -q "Cruz" || fail "the third card is not on page 5"
pdftotext -f 6 -l 6 "$pdf" - | grep -q "Valid until" || fail "the third card's back is not on page 6"
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"

# A queue that does not exist: a clear error, non-zero.
"$kyt" print "$src/examples/sample_card.tpl" --printer "no_such_queue_$$" 2> "$tmp/err" && fail "printing to a missing queue succeeded"
grep -q "no_such_queue" "$tmp/err" || fail "the error does not name the queue: $(cat "$tmp/err")"
echo "cli_print_cups: ok"
