#!/usr/bin/env bash
# The settings and targets commands against a private store: writes are seen
# by later processes, deletes remove, a damaged store is reported and left
# untouched while the command still answers.
set -euo pipefail
BUILD_DIR=${1:?build dir}
K="$BUILD_DIR/app/kytpreview"
[ -x "$K" ] || { echo "kytpreview not built: skipped"; exit 77; }
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
export KYT_REGISTRY="$T/registry.db" KYT_LOG_DIR="$T/log" XDG_RUNTIME_DIR="$T"
fail() { echo "FAIL: $*"; exit 1; }

"$K" settings set 'HKLM\Software\KYT\Probe' Colour Blue
[ "$("$K" settings get 'HKLM\Software\KYT\Probe' colour 2>/dev/null)" = "Blue" ] || fail "value not read back case-insensitively"
"$K" settings list 'HKEY_LOCAL_MACHINE\Software\KYT' 2>/dev/null | grep -q 'Probe' || fail "sub-key not listed"
"$K" settings delete 'HKLM\Software\KYT\Probe' Colour
if "$K" settings get 'HKLM\Software\KYT\Probe' Colour >/dev/null 2>&1; then fail "deleted value still there"; fi
if "$K" settings get 'NOROOT\x' y >/dev/null 2>&1; then fail "unknown root accepted"; fi

"$K" targets register KYT.Probe "Probe target"
"$K" targets list 2>/dev/null | grep -q $'KYT.Probe\tProbe target' || fail "registered target not listed"
"$K" targets unregister KYT.Probe
if "$K" targets list 2>/dev/null | grep -q 'KYT.Probe'; then fail "unregistered target still listed"; fi

printf 'not a database' > "$T/damaged.db"
out=$(KYT_REGISTRY="$T/damaged.db" "$K" settings get 'HKLM\Software\KYT\Probe' Colour 2>&1 || true)
echo "$out" | grep -q '(error 1009)' || fail "damaged store not reported: $out"
[ "$(cat "$T/damaged.db")" = "not a database" ] || fail "damaged store was modified"
echo "ok"
