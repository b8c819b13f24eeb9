#!/usr/bin/env bash
# A real print through CUPS: a two-sided card job sent by the printer
# surface to a cups-pdf queue, then the PDF the queue wrote is checked:
# two pages of card size (3.375 x 2.125 in), back text on the second page.
#   usage: cups_print.sh BUILD_DIR SOURCE_DIR
# Exit 77 (skipped) only when CUPS or cups-pdf is not installed.
set -uo pipefail

build="${1:?build folder}"
src="${2:-$(cd "$(dirname "$0")/../.." && pwd)}"
queue="${KYT_CUPS_QUEUE:-KYT_PDF}"
export KYT_CUPS_QUEUE="$queue"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

fail() { echo "cups_print: FAIL: $*" >&2; exit 1; }

for tool in pdfinfo pdftotext ipptool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "cups_print: $tool missing (poppler-utils, cups-ipp-utils)" >&2; exit 77; }
done

out=$(bash "$src/scripts/cups-setup.sh")
rc=$?
[[ $rc -eq 77 ]] && { echo "cups_print: CUPS or cups-pdf not installed: skipped" >&2; exit 77; }
[[ $rc -ne 0 ]] && fail "cups-setup.sh failed ($rc)"
outdir=$(printf '%s\n' "$out" | tail -n1)
[[ -n "$outdir" ]] || fail "cups-setup.sh did not say where the PDF files go"

bin="$build/tests/test_surface"
[[ -x "$bin" ]] || fail "$bin not built"

# A title only this run uses; cups-pdf names the file after it.
title="kytcups$$t$(date +%s)"
export KYT_CUPS_TITLE="$title"
marker=$(mktemp)
trap 'rm -f "$marker"' EXIT

log=$("$bin" --gtest_filter='PrinterSurfaceCups.*' 2>&1)
echo "$log" | tail -n 5
echo "$log" | grep -q '\[  PASSED  \] 1 test' || fail "the print test did not pass"
echo "$log" | grep -q 'SKIPPED' && fail "the print test was skipped"
job=$(sed -n 's/^KYT_JOB_ID=//p' <<<"$log")
[[ -n "$job" ]] || fail "the print test did not say its job id"

# The card's settings reached the job: the scheduler's record of it.
source "$src/tests/scripts/lib/cups_job.sh"
attrs=$(job_attrs "$queue" "$job")
for want in "sides=two-sided-long-edge" "print-quality=high" "copies=2" \
            "media=custom_card_3.375x2.125in" "orientation-requested=landscape" "job-name=$title"; do
  got=$(job_attr "$attrs" "${want%%=*}")
  [[ "$got" == "${want#*=}" ]] || fail "job $job: ${want%%=*} is '$got', expected '${want#*=}'"
done

pdf=""
for _ in $(seq 1 120); do
  pdf=$(find "$outdir" -maxdepth 1 -name "*${title}*.pdf" -newer "$marker" 2>/dev/null | head -n1)
  [[ -n "$pdf" && -s "$pdf" ]] && break
  pdf=""
  sleep 0.5
done
if [[ -z "$pdf" ]]; then
  lpstat -o "$queue" >&2 || true
  tail -n 20 /var/log/cups/cups-pdf-"$queue"_log 2>/dev/null >&2 || true
  fail "no PDF named after $title appeared in $outdir within 60 s"
fi
# cups-pdf writes the file in one go, but give it a moment to close it.
sleep 1
echo "cups_print: $pdf"

check_pages "$pdf" 2

front=$(pdftotext -f 1 -l 1 "$pdf" -)
back=$(pdftotext -f 2 -l 2 "$pdf" -)
grep -q "KYT FRONT SIDE" <<<"$front" || fail "front text missing on page 1: '$front'"
grep -q "KYT BACK SIDE" <<<"$back" || fail "back text missing on page 2: '$back'"
grep -q "KYT BACK SIDE" <<<"$front" && fail "back text printed on the front"
echo "cups_print: ok"
# The file is this run's own; keep it only when asked.
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"
exit 0
