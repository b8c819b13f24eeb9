#!/usr/bin/env bash
# Printing from the designer's print preview through a real CUPS queue
# (cups-pdf): printing a two-sided card twice from one preview must give two
# jobs, each a two-page PDF of card size. A stopped queue must make the
# preview ask before sending anything.
#   usage: designer_print_cups.sh BUILD_DIR SOURCE_DIR
# Exit 77 (skipped) only when CUPS, cups-pdf or poppler-utils is missing.
set -uo pipefail

build="${1:?build folder}"
src="${2:-$(cd "$(dirname "$0")/../.." && pwd)}"
queue="${KYT_CUPS_QUEUE:-KYT_PDF}"
stopped="KYT_DESIGNER_STOPPED"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

fail() { echo "designer_print_cups: FAIL: $*" >&2; exit 1; }
source "$src/tests/scripts/lib/cups_job.sh"

command -v pdfinfo >/dev/null 2>&1 || { echo "designer_print_cups: pdfinfo missing (poppler-utils)" >&2; exit 77; }
bin="$build/tests/test_designer"
[[ -x "$bin" ]] || fail "$bin not built"

out=$(KYT_CUPS_QUEUE="$queue" bash "$src/scripts/cups-setup.sh")
rc=$?
[[ $rc -eq 77 ]] && { echo "designer_print_cups: CUPS or cups-pdf not installed: skipped" >&2; exit 77; }
[[ $rc -ne 0 ]] && fail "cups-setup.sh failed ($rc)"
outdir=$(printf '%s\n' "$out" | tail -n1)
[[ -n "$outdir" ]] || fail "cups-setup.sh did not say where the PDF files go"

marker=$(mktemp)
# A queue of this test's own, stopped: it holds jobs instead of printing.
# Without the rights to stop a queue that part is left out, visibly.
stopped_env=()
if KYT_CUPS_QUEUE="$stopped" bash "$src/scripts/cups-setup.sh" >/dev/null 2>&1 && cupsdisable "$stopped" 2>/dev/null; then
  stopped_env=(KYT_STOPPED_QUEUE="$stopped")
  # Removed afterwards: a person choosing a printer should not meet it.
  trap 'lpadmin -x "$stopped" 2>/dev/null; rm -f "$marker"' EXIT
else
  echo "designer_print_cups: cannot create and stop $stopped: the stopped-queue check is left out" >&2
  trap 'rm -f "$marker"' EXIT
fi
held_before=$(lpstat -o "$stopped" 2>/dev/null | wc -l)

title="kytdesigner$$t$(date +%s)"
log=$(env KYT_CUPS_QUEUE="$queue" KYT_CUPS_TITLE="$title" "${stopped_env[@]}" \
  "$bin" --gtest_filter='PreviewCups.*:-PreviewCups.RefusingQueueSaysWhy' 2>&1)
echo "$log" | tail -n 5
echo "$log" | grep -q '\[       OK \] PreviewCups.PrintsEachCardAsItsOwnJob' || fail "printing twice from one preview failed"
if [[ ${#stopped_env[@]} -gt 0 ]]; then
  echo "$log" | grep -q '\[       OK \] PreviewCups.StoppedQueueAsksBeforeSending' || fail "the stopped queue was not handled"
fi
held_after=$(lpstat -o "$stopped" 2>/dev/null | wc -l)
[[ "$held_after" == "$held_before" ]] || fail "a job reached the stopped queue after the person said No"

# The same queue started but refusing jobs: the person is told why.
if [[ ${#stopped_env[@]} -gt 0 ]] && cupsenable "$stopped" 2>/dev/null && cupsreject "$stopped" 2>/dev/null; then
  log=$(KYT_REFUSING_QUEUE="$stopped" "$bin" --gtest_filter='PreviewCups.RefusingQueueSaysWhy' 2>&1)
  echo "$log" | grep -q '\[       OK \] PreviewCups.RefusingQueueSaysWhy' || { echo "$log" | tail -n 20; fail "a refusing queue was not reported"; }
fi

# Two jobs, so two files named after the card (cups-pdf names them by title).
pdfs=()
for _ in $(seq 1 120); do
  mapfile -t pdfs < <(find "$outdir" -maxdepth 1 -name "*${title}*.pdf" -newer "$marker" -size +0 2>/dev/null | sort)
  [[ ${#pdfs[@]} -ge 2 ]] && break
  sleep 0.5
done
[[ ${#pdfs[@]} -eq 2 ]] || { lpstat -o "$queue" >&2; fail "expected 2 PDFs named after $title, found ${#pdfs[@]}"; }
sleep 1
for pdf in "${pdfs[@]}"; do
  check_pages "$pdf" 2 # front and back
  echo "designer_print_cups: $pdf"
  [[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$pdf"
done

# Print Records: records 2 to 4 of a data source as one job of three pages.
rtitle="${title}r"
log=$(env KYT_CUPS_QUEUE="$queue" KYT_CUPS_TITLE="$rtitle" "$bin" --gtest_filter='WithData.RangeGoesToTheQueueAsOneJob' 2>&1)
echo "$log" | grep -q '\[       OK \] WithData.RangeGoesToTheQueueAsOneJob' || { echo "$log" | tail -n 20; fail "printing records 2 to 4 failed"; }
rpdf=""
for _ in $(seq 1 120); do
  rpdf=$(find "$outdir" -maxdepth 1 -name "*${rtitle}*.pdf" -newer "$marker" -size +0 2>/dev/null | head -n1)
  [[ -n "$rpdf" ]] && break
  sleep 0.5
done
[[ -n "$rpdf" ]] || { lpstat -o "$queue" >&2; fail "no PDF named after $rtitle"; }
sleep 1
check_pages "$rpdf" 3
echo "designer_print_cups: $rpdf"
[[ -n "${KYT_KEEP_PDF:-}" ]] || rm -f "$rpdf"

echo "designer_print_cups: ok"
exit 0
