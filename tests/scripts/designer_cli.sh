#!/usr/bin/env bash
# kytpreview design: opens the sample card and saves a screenshot of the
# window; a missing file is refused; the desktop entry and the template
# MIME type are well formed.
set -u
build=$1
src=$2
bin="$build/app/kytpreview"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export KYT_REGISTRY="$work/registry.db" KYT_LOG_DIR="$work/log" XDG_CONFIG_HOME="$work/config"
fail() { echo "FAIL: $*" >&2; exit 1; }

QT_QPA_PLATFORM=offscreen "$bin" design "$src/examples/sample_card.tpl" --screenshot "$work/shot.png" \
    || fail "design --screenshot exited with $?"
[ -s "$work/shot.png" ] || fail "no screenshot written"
size=$(python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); print(*struct.unpack('>II', d[16:24]))" "$work/shot.png")
set -- $size
[ "$1" -ge 400 ] && [ "$2" -ge 300 ] || fail "screenshot is only $1 x $2"

QT_QPA_PLATFORM=offscreen "$bin" design "$work/missing.tpl" 2>"$work/err.txt"
[ $? -eq 1 ] || fail "a missing file must exit with 1"
grep -q "no such file" "$work/err.txt" || fail "missing file not named: $(cat "$work/err.txt")"

grep -q '^Exec=kytpreview design %f$' "$src/share/kytpreview-design.desktop" || fail "desktop entry does not open files"
grep -q '^MimeType=application/x-kyt-template;$' "$src/share/kytpreview-design.desktop" || fail "desktop entry lacks the MIME type"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$src/share/kytpreview-design.desktop" || fail "desktop entry invalid"
fi
python3 - "$src/share/kytpreview-mime.xml" <<'PY' || fail "MIME type file invalid"
import sys, xml.etree.ElementTree as ET
ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
t = ET.parse(sys.argv[1]).getroot().find("m:mime-type", ns)
assert t.get("type") == "application/x-kyt-template"
g = t.find("m:glob", ns)
assert g.get("pattern") == "*.tpl" and g.get("case-sensitive") == "false"
PY
echo "designer_cli: ok"
