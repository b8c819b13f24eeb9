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

# A full disk: the write is refused in the system's words, for a value and
# for a printer's calibration alike.
mkdir -p "$T/full"
if mount -t tmpfs -o size=256k tmpfs "$T/full" 2>/dev/null; then
  trap 'umount "$T/full" 2>/dev/null || true; rm -rf "$T"' EXIT
  export KYT_REGISTRY="$T/full/registry.db"
  "$K" settings set 'HKCU\Software\KYT\Probe' Colour Blue
  big=$(head -c 100000 /dev/zero | tr '\0' 'x')
  # Room to open the store but not for the value; then no room at all.
  free=$(df -k --output=avail "$T/full" | tail -n1)
  dd if=/dev/zero of="$T/full/filler" bs=1k count=$((free - 48)) 2>/dev/null || true
  for room in some none; do
    if "$K" settings set 'HKCU\Software\KYT\Probe' Big "$big" 2> "$T/err"; then fail "a write to a full disk succeeded ($room)"; fi
    grep -q "No space left on device" "$T/err" || fail "full disk not named ($room): $(cat "$T/err")"
    dd if=/dev/zero of="$T/full/filler2" bs=1k 2>/dev/null || true
  done
  umount "$T/full"
else
  echo "settings_cli: SKIPPED the full-disk check: mounting a tmpfs is not allowed here" >&2
fi
echo "ok"
