#!/usr/bin/env bash
# The files a desktop and a software centre read: the designer's desktop
# entry validates without a single hint, its AppStream metadata validates
# (pedantic) and names that entry and this version, and the licence covers
# the generated barcode fonts, whose name tables carry it.
set -uo pipefail
build="${1:?build folder}"
src="${2:?source folder}"
fail() { echo "desktop_metadata: FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "desktop_metadata: $tool missing (scripts/install-deps.sh)" >&2; exit 77; }
done
desktop="$src/share/kytpreview-design.desktop"
metainfo="$src/share/kytpreview-design.metainfo.xml"

hints=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry invalid: $hints"
[ -z "$hints" ] || fail "desktop-file-validate says: $hints"

report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "metainfo invalid: $report"
grep -qE '^[EWIP]: ' <<<"$report" && fail "appstreamcli reports: $report"

version=$(sed -n 's/^project(KYTPreview VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
python3 - "$metainfo" "$version" <<'PY' || fail "metainfo does not match the desktop entry or the version"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.findtext("launchable") == "kytpreview-design.desktop", root.findtext("launchable")
assert root.find("releases/release").get("version") == sys.argv[2]
assert root.findtext("project_license") == "MIT"
assert root.findtext("provides/mediatype") == "application/x-kyt-template"
PY
grep -q "^## \[$version\]" "$src/CHANGELOG.md" || fail "CHANGELOG.md has no section for $version"
grep -q '^## \[Unreleased\]' "$src/CHANGELOG.md" || fail "CHANGELOG.md has no Unreleased section"

grep -q '^MIT License' "$src/LICENSE" || fail "LICENSE is not the MIT licence"
grep -q 'KYTCode128.ttf' "$src/LICENSE" || fail "LICENSE does not name the barcode fonts"
for font in KYT3of9 KYTCode128; do
  /usr/bin/python3 - "$build/fonts/$font.ttf" <<'PY' || fail "$font.ttf does not carry the licence"
import sys
from fontTools.ttLib import TTFont
name = TTFont(sys.argv[1])["name"]
assert name.getDebugName(13).startswith("MIT License"), name.getDebugName(13)
assert "KYTPreview developers" in name.getDebugName(0)
PY
done
echo "desktop_metadata: ok"
