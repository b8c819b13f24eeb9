# The start the command-line script tests share; sourced with the test's
# name and its own arguments (BUILD_DIR [SOURCE_DIR]):
#   source "$(dirname "$0")/lib/cli_test.sh" NAME "$@"
# Sets build, src and kyt (which must be built) and runs Qt offscreen.
#   fail MESSAGE     reports and exits 1
#   needs TOOL...    exits 77 (skipped) when a tool is missing
#   scratch          tmp: a folder removed on exit, holding this run's own
#                    log and settings store
test_name=$1
build="${2:?build folder}"
src="${3:-$(cd "$(dirname "$0")/../.." && pwd)}"
export QT_QPA_PLATFORM=offscreen
kyt="$build/app/kytpreview"
fail() { echo "$test_name: FAIL: $*" >&2; exit 1; }
needs() {
  local t
  for t in "$@"; do command -v "$t" >/dev/null || { echo "$test_name: $t missing" >&2; exit 77; }; done
}
scratch() {
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  export KYT_LOG_DIR="$tmp/log" KYT_REGISTRY="$tmp/registry.db"
}
[[ -x "$kyt" ]] || fail "$kyt not built"
# no_window_rows RUN WHY: design and preview, with and without a card and a
# --screenshot (of $tpl, into $tmp), each run through the function RUN, exit
# 1 with one line "kytpreview COMMAND: no display ..." that matches WHY and
# says how to run offscreen; no screenshot is written.
no_window_rows() {
  local run=$1 why=$2 row rc
  while IFS= read -r row; do
    eval "set -- $row"
    "$run" "$@" > "$tmp/out" 2> "$tmp/err"; rc=$?
    [[ $rc -eq 1 ]] || fail "'$row' exited $rc without a display: $(cat "$tmp/err")"
    [[ $(wc -l < "$tmp/err") -eq 1 ]] || fail "'$row' said more than one line: $(cat "$tmp/err")"
    grep -q "^kytpreview $1: no display .*$why.*QT_QPA_PLATFORM=offscreen" "$tmp/err" \
      || fail "'$row' did not say what is missing: $(cat "$tmp/err")"
  done <<ROWS
design
design "$tpl"
design --screenshot "$tmp/shot.png" "$tpl"
preview "$tpl"
preview --screenshot "$tmp/shot.png" "$tpl"
ROWS
  [[ ! -e "$tmp/shot.png" ]] || fail "a screenshot was written without a display"
}
