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
