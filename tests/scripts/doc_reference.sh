#!/usr/bin/env bash
# The reference of the public headers builds without a single Doxygen
# warning (the configuration of the `doc` target, warnings as errors), and
# it documents the classes hosts use, with their header comments.
set -uo pipefail
build="${1:?build folder}"
fail() { echo "doc_reference: FAIL: $*" >&2; exit 1; }
command -v doxygen >/dev/null || { echo "doc_reference: doxygen missing (scripts/install-deps.sh)" >&2; exit 77; }
[ -f "$build/doc/Doxyfile" ] || fail "$build/doc/Doxyfile not configured"
[ -f "$build/src/include/kytpreview/template/CPrintTemplate.h" ] || fail "public headers not generated"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
{
  cat "$build/doc/Doxyfile"
  echo "OUTPUT_DIRECTORY = $tmp/out"
  echo "WARN_AS_ERROR = YES"
  echo "WARN_LOGFILE = $tmp/warnings.txt"
} > "$tmp/Doxyfile"
(cd "$tmp" && doxygen Doxyfile) > "$tmp/run.txt" 2>&1 || fail "doxygen failed: $(cat "$tmp/run.txt" "$tmp/warnings.txt" 2>/dev/null)"
[ ! -s "$tmp/warnings.txt" ] || fail "doxygen warns: $(cat "$tmp/warnings.txt")"
for page in classkyt_1_1CPrintTemplate.html classkyt_1_1Preview.html classkyt_1_1PrinterSurface.html; do
  [ -f "$tmp/out/html/$page" ] || fail "no page $page"
done
# A header comment reaches the reference.
grep -q 'calibration' "$tmp/out/html/PrinterCalibration_8h.html" || fail "header comments are not in the reference"
echo "doc_reference: ok"
