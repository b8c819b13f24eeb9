#!/usr/bin/env bash
# The generated barcode fonts (family names, reproducible generation) and the
# "kytpreview barcode" command.
#   barcode_fonts.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
BUILD=$1
SRC=$2
CLI="$BUILD/app/kytpreview"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[[ -x "$CLI" ]] || { echo "kytpreview not built"; exit 77; }
export QT_QPA_PLATFORM=offscreen

# Families as fontconfig sees them.
if command -v fc-scan >/dev/null; then
  fam39=$(fc-scan --format '%{family}' "$BUILD/fonts/KYT3of9.ttf")
  fam128=$(fc-scan --format '%{family}' "$BUILD/fonts/KYTCode128.ttf")
  [[ "$fam39" == "KYT 3of9" ]] || fail "Code 39 family is '$fam39'"
  [[ "$fam128" == "KYT Code128" ]] || fail "Code 128 family is '$fam128'"
fi

# Generating twice gives identical files.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
/usr/bin/python3 "$SRC/fonts/generate_barcode_fonts.py" "$tmp/a" && sleep 1 &&
  /usr/bin/python3 "$SRC/fonts/generate_barcode_fonts.py" "$tmp/b" || fail "generator failed"
for f in KYT3of9.ttf KYTCode128.ttf; do
  cmp -s "$tmp/a/$f" "$tmp/b/$f" || fail "$f differs between two runs"
done
/usr/bin/python3 "$SRC/fonts/generate_barcode_fonts.py" >/dev/null 2>&1 && fail "generator accepted no output folder"

# expect EXIT STDOUT ARGS...
expect() {
  local want_rc=$1 want_out=$2
  shift 2
  local out rc
  out=$("$CLI" barcode "$@" 2>"$tmp/err")
  rc=$?
  [[ $rc -eq $want_rc ]] || fail "barcode $* exited $rc, expected $want_rc"
  [[ "$out" == "$want_out" ]] || fail "barcode $* printed '$out', expected '$want_out'"
  if [[ $want_rc -ne 0 ]] && ! grep -q "kytpreview barcode:" "$tmp/err"; then
    fail "barcode $* gave no message"
  fi
}
expect 0 "136 65 66 67 33 138" 128B ABC
expect 0 "136 65 66 67 33 138" 128b "  ABC  "
expect 0 "137 44 66 114 138" 128C 1234
expect 0 "137 33 55 81 138" 128C 123
expect 0 "137 199 33 192 138" 128C 9901
expect 0 "65 66 45 49" 3of9 " AB-1 "
expect 1 "" 128C 12A4
expect 1 "" 128C ""
expect 1 "" 128B "café"
expect 1 "" 3of9 "A#B"
expect 2 "" ean13 123
expect 2 "" 128B
grep -q "Code128C can only use numerals" <("$CLI" barcode 128C 1.5 2>&1) || fail "128C message"

if [[ $failures -gt 0 ]]; then
  echo "$failures failed"
  exit 1
fi
echo "barcode fonts and command: all passed"
