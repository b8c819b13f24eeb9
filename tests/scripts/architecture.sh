#!/usr/bin/env bash
# The layers hold: no folder of src/ includes one above it, the core includes
# no QtWidgets or QtPrintSupport header, and the built core library does not
# need the widget libraries.
#   architecture.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
BUILD=$(cd "${1:?build dir}" && pwd)
SRC=$(cd "${2:?source dir}" && pwd)
CHECK="$SRC/scripts/check_layers.py"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT

QT_HEADERS=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || qmake6 -query QT_INSTALL_HEADERS 2>/dev/null)
[[ -d "$QT_HEADERS/QtWidgets" ]] || { echo "Qt headers not found"; exit 77; }

# The checker itself finds a planted upward include and a widget header.
mkdir -p "$T/src/util" "$T/src/objects" "$T/src/template" "$T/src/control"
printf '#include "template/CPrintTemplate.h"\n' > "$T/src/objects/A.cpp"
printf '#include <QWidget>\n#include "util/Strings.h"\n' > "$T/src/template/B.cpp"
printf '#include <QWidget>\n#include "objects/A.h"\n' > "$T/src/control/C.cpp"
out=$(python3 "$CHECK" "$T/src" "$QT_HEADERS")
[[ $? -eq 1 ]] || fail "checker passed a planted upward include"
grep -q '^objects/A.cpp:1: objects includes template' <<<"$out" || fail "upward include not named: $out"
grep -q '^template/B.cpp:1: core includes widgets header <QWidget>' <<<"$out" || fail "widget header not named: $out"
[[ $(wc -l <<<"$out") -eq 2 ]] || fail "checker reported allowed includes: $out"

python3 "$CHECK" "$SRC/src" "$QT_HEADERS" || fail "include layers (lines above)"

# A header that is not installed carries the private export macro: hosts
# cannot include it, so its classes are not theirs to use.
public=$(awk '/^set\(kyt_(core|widgets)_public_headers/ { on = 1; next } on && /^\)/ { on = 0 } on { print $1 }' \
    "$SRC/src/CMakeLists.txt")
[[ $(grep -c '^control/Preview.h$' <<<"$public") -eq 1 ]] || fail "could not read the installed header lists"
for macro in KYTCORE_EXPORT KYTWIDGETS_EXPORT; do
  while IFS= read -r header; do
    name=${header#"$SRC/src/"}
    grep -qx "$name" <<<"$public" || fail "$name is not installed but carries $macro (use ${macro/_EXPORT/_PRIVATE_EXPORT})"
  done < <(grep -rlw --include='*.h' "$macro" "$SRC/src")
done

CORE_LIB="$BUILD/src/libkytpreview-core.so"
[[ -f "$CORE_LIB" ]] || { echo "FAIL: $CORE_LIB not built"; exit 1; }
needed=$(readelf -d "$CORE_LIB" | awk '/NEEDED/{print $NF}')
grep -q 'libQt6Core' <<<"$needed" || fail "could not read the core's DT_NEEDED: $needed"
for lib in libQt6Widgets libQt6PrintSupport libQt6OpenGLWidgets; do
  grep -q "$lib" <<<"$needed" && fail "the core library needs $lib"
done

# libcups is loaded when a queue is first used, so a program that never
# prints starts without it.
grep -q 'libcups' <<<"$needed" && fail "the core library links libcups (it is loaded when a queue is used)"

# zxing-cpp is in the reader module, loaded by the commands that read
# symbols back; the program itself does not map it.
program_needs=$(readelf -d "$BUILD/app/kytpreview" | awk '/NEEDED/{print $NF}')
grep -q 'libQt6Core' <<<"$program_needs" || fail "could not read the program's DT_NEEDED"
grep -qi 'zxing' <<<"$program_needs" && fail "the program links zxing-cpp (its reader module loads it)"
[[ -f "$BUILD/app/kytpreview-reader.so" ]] || fail "the reader module was not built beside the program"

[[ $failures -eq 0 ]] && echo "ok"
exit $((failures > 0))
