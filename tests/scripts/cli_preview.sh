#!/usr/bin/env bash
# The Preview control hosted in a window: with field values the card's
# barcodes on screen scan to the values; without them, to the field names.
set -euo pipefail
BUILD_DIR=${1:?build dir}
SOURCE_DIR=${2:?source dir}
K="$BUILD_DIR/app/kytpreview"
[ -x "$K" ] || { echo "kytpreview not built: skipped"; exit 77; }
command -v zbarimg >/dev/null || { echo "zbarimg missing: skipped"; exit 77; }
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
export QT_QPA_PLATFORM=offscreen KYT_REGISTRY="$T/registry.db" KYT_LOG_DIR="$T/log"
card="$SOURCE_DIR/examples/sample_card.tpl"

"$K" preview "$card" --data "$SOURCE_DIR/examples/sample_card.data" --screenshot "$T/values.png" 2>/dev/null
got=$(zbarimg -q "$T/values.png" | sort | tr '\n' ' ')
[ "$got" = "CODE-128:V-004217 CODE-39:V-004217 " ] || { echo "FAIL with values: $got"; exit 1; }

"$K" preview "$card" --screenshot "$T/names.png" 2>/dev/null
got=$(zbarimg -q "$T/names.png" | sort | tr '\n' ' ')
[ "$got" = "CODE-128:BadgeNo CODE-39:BADGENO " ] || { echo "FAIL with field names: $got"; exit 1; }

if "$K" preview "$T/missing.tpl" --screenshot "$T/x.png" 2>/dev/null; then echo "FAIL: missing template accepted"; exit 1; fi
# A damaged template is refused in one line naming it, without a window.
head -c 300 "$card" > "$T/cut.tpl"
if "$K" preview "$T/cut.tpl" --screenshot "$T/x.png" 2> "$T/err"; then echo "FAIL: damaged template accepted"; exit 1; fi
[ "$(wc -l < "$T/err")" -eq 1 ] && grep -q "^kytpreview preview: Input past end of file: $T/cut.tpl: " "$T/err" \
    || { echo "FAIL: damaged template: $(cat "$T/err")"; exit 1; }
[ ! -e "$T/x.png" ] || { echo "FAIL: a window was shown for a damaged template"; exit 1; }
echo "ok"
