#!/usr/bin/env bash
# The German catalogue: lupdate reads every text of the sources without a
# warning and finds the catalogue up to date; every entry is translated,
# keeps its placeholders and its access key; and the program speaks German
# under LANG=de_DE.UTF-8 and English under LANG=C.
set -uo pipefail
build="${1:?build folder}"
src="${2:?source folder}"
fail() { echo "translations: FAIL: $*" >&2; exit 1; }
ts="$src/translations/kytpreview_de.ts"
lst="$build/translations/lupdate_sources.lst"
[ -f "$lst" ] && [ -f "$build/translations/tools.sh" ] || fail "configure the build first (no $lst)"
# shellcheck disable=SC1091
. "$build/translations/tools.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# lupdate on a copy: no warning, and nothing to add or remove.
cp "$ts" "$tmp/kytpreview_de.ts"
out=$("$LUPDATE" -locations none -no-obsolete "@$lst" -ts "$tmp/kytpreview_de.ts" 2>&1) || fail "lupdate failed: $out"
grep -qiE 'warning|error|cannot|lacks' <<<"$out" && fail "lupdate reports: $out"
cmp -s "$tmp/kytpreview_de.ts" "$ts" \
  || fail "the catalogue is out of date (cmake --build build --target kytpreview_lupdate, then translate):
$(diff "$ts" "$tmp/kytpreview_de.ts" | head -40)"

# Every entry finished, none left over, placeholders and access keys kept.
python3 - "$ts" <<'PY' || fail "the catalogue is incomplete"
import re, sys, xml.etree.ElementTree as ET
bad = []
root = ET.parse(sys.argv[1]).getroot()
count = 0
for ctx in root.iter("context"):
    name = ctx.findtext("name")
    for m in ctx.iter("message"):
        count += 1
        source = m.findtext("source") or ""
        t = m.find("translation")
        text = t.text or ""
        where = f"{name}: {source[:60]!r}"
        if t.get("type") in ("unfinished", "obsolete", "vanished") or not text:
            bad.append(f"{where}: {t.get('type') or 'empty'}")
            continue
        if sorted(set(re.findall(r"%\d", source))) != sorted(set(re.findall(r"%\d", text))):
            bad.append(f"{where}: placeholders differ: {text[:60]!r}")
        key = lambda s: len(re.findall(r"&[^&\s]", s.replace("&&", "")))
        if key(source) != key(text):
            bad.append(f"{where}: access key differs: {text[:60]!r}")
if count < 100:
    bad.append(f"only {count} entries")
for b in bad:
    print(b, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
out=$("$LRELEASE" "$ts" -qm "$tmp/kytpreview_de.qm" 2>&1) || fail "lrelease failed: $out"
grep -q ' 0 unfinished' <<<"$out" || fail "lrelease: $out"

# The program picks the language from the environment.
prog="$build/app/kytpreview"
[ -x "$prog" ] || fail "no $prog"
speak() { env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$1" "$prog" "${@:2}" 2>&1; }
de=$(speak de_DE.UTF-8 render --help)
grep -q '^Aufruf: kytpreview render' <<<"$de" || fail "German help expected: $de"
grep -q 'Zeichnet eine Karte' <<<"$de" || fail "German description expected: $de"
en=$(speak C render --help)
grep -q '^Usage: kytpreview render' <<<"$en" || fail "English help expected: $en"
grep -q 'Draws one card' <<<"$en" || fail "English description expected: $en"
de=$(speak de_DE.UTF-8 render "$tmp/none.tpl" -o "$tmp/x.png")
grep -q 'Datei' <<<"$de" || fail "German error expected: $de"
en=$(speak C render "$tmp/none.tpl" -o "$tmp/x.png")
grep -q 'no such file' <<<"$en" || fail "English error expected: $en"
echo "translations: ok"
