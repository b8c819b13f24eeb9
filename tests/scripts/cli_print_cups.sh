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
for t in pdfinfo pdftotext; do command -v "$t" >/dev/null || { echo "cli_print_cups: $t missing" >&2; exit 77; }; done
[[ -x "$kyt" ]] || fail "$kyt not built"

out=$(bash "$src/scripts/cups-setup.sh")
rc=$?
[[ $rc -eq 77 ]] && { echo "cli_print_cups: CUPS or cups-pdf not installed: skipped" >&2; exit 77; }
[[ $rc -ne 0 ]] && fail "cups-setup.sh failed ($rc)"
outdir=$(printf '%s\n' "$out" | tail -n1)
[[ -n "$outdir" ]] || fail "cups-setup.sh did not say where the PDF files go"

tmp=$(mktemp -d)
marker="$tmp/marker"; : > "$marker"
trap 'rm -rf "$tmp"' EXIT

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

# check_card PDF PAGES : card-sized pages (a converter may store them turned:
# judge them as shown, see docs/surfaces.md), within 1 pt
check_pages() {
  local info pages w h rot t
  info=$(pdfinfo "$1") || fail "pdfinfo cannot read $1"
  pages=$(sed -n 's/^Pages:[[:space:]]*//p' <<<"$info")
  [[ "$pages" == "$2" ]] || fail "$1: expected $2 pages, got '$pages'"
  read -r w h < <(sed -n 's/^Page size:[[:space:]]*\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p' <<<"$info")
  rot=$(sed -n 's/^Page rot:[[:space:]]*//p' <<<"$info")
  if [[ "${rot:-0}" == 90 || "${rot:-0}" == 270 ]]; then t=$w; w=$h; h=$t; fi
  awk -v w="$w" -v h="$h" 'BEGIN { d1 = w - 243; d2 = h - 153; if (d1 < 0) d1 = -d1; if (d2 < 0) d2 = -d2; exit !(d1 <= 1.01 && d2 <= 1.01) }' \
    || fail "$1: page size $w x $h pt (rotation ${rot:-0}) is not 243 x 153 pt"
}

title="kytcli$$p$(date +%s)"
"$kyt" print "$src/examples/sample_card.tpl" --data "$src/examples/sample_card.data" --printer "$queue" --title "$title" \
  || fail "kytpreview print failed"
pdf=$(wait_pdf "$title") || fail "no PDF named after $title appeared in $outdir"
echo "cli_print_cups: $pdf"
check_pages "$pdf" 2
front=$(pdftotext -f 1 -l 1 "$pdf" -)
back=$(pdftotext -f 2 -l 2 "$pdf" -)
grep -q "Lindqvist" <<<"$front" || fail "front text missing on page 1: '$front'"
grep -q "Valid until" <<<"$back" || fail "back text missing on page 2: '$back'"
grep -q "Valid until" <<<"$front" && fail "back text printed on the front"
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"

# Three records in one job: six pages, each card's back after its front.
printf 'FirstName,LastName\nAnn,Aalto\nBo,Berg\nCy,Cruz\n' > "$tmp/c.csv"
title="kytcli$$b$(date +%s)"
"$kyt" batch "$src/examples/sample_card.tpl" --csv "$tmp/c.csv" --allow-missing-fields --printer "$queue" --title "$title" --quiet \
  || fail "kytpreview batch to the queue failed"
pdf=$(wait_pdf "$title") || fail "no batch PDF named after $title appeared"
check_pages "$pdf" 6
pdftotext -f 5 -l 5 "$pdf" - | grep -q "Cruz" || fail "the third card is not on page 5"
pdftotext -f 6 -l 6 "$pdf" - | grep -q "Valid until" || fail "the third card's back is not on page 6"
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"

# A queue that does not exist: a clear error, non-zero.
"$kyt" print "$src/examples/sample_card.tpl" --printer "no_such_queue_$$" 2> "$tmp/err" && fail "printing to a missing queue succeeded"
grep -q "no_such_queue" "$tmp/err" || fail "the error does not name the queue: $(cat "$tmp/err")"
echo "cli_print_cups: ok"
