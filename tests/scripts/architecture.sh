#!/usr/bin/env bash
# The layers hold: no folder of src/ includes one above it, the core includes
# no QtWidgets or QtPrintSupport header, the built core library does not
# need the widget libraries, and what only some commands need (the core
# itself, Qt Widgets, zxing-cpp, qpdf) is in modules loaded when one of them
# runs.
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

# The program links Qt Core alone and answers `version` without loading the
# command module (the core library and Qt Gui); every other command loads it.
program_needs=$(readelf -d "$BUILD/app/kytpreview" | awk '/NEEDED/{print $NF}')
grep -q 'libQt6Core' <<<"$program_needs" || fail "could not read the program's DT_NEEDED"
for lib in libQt6Gui libkytpreview-core; do
  grep -q "$lib" <<<"$program_needs" && fail "the program links $lib (the command module loads it)"
done
loaded() { LD_DEBUG=files KYT_REGISTRY="$T/registry.db" KYT_LOG_DIR="$T/log" QT_QPA_PLATFORM=offscreen \
  "$BUILD/app/kytpreview" "$@" 2>&1 >/dev/null | grep -o 'file=[^ ]*' | sort -u; }
version_maps=$(loaded version)
grep -q 'libQt6Core' <<<"$version_maps" || fail "could not see what version loads"
grep -Eq 'kytpreview-commands|libQt6Gui' <<<"$version_maps" && fail "version loaded the command module or Qt Gui"
grep -q 'kytpreview-commands.so' <<<"$(loaded info "$SRC/examples/sample_card.tpl")" \
  || fail "info did not load the command module"
# The program's answer is the command's: `version --verbose` is the module's.
ver() { KYT_REGISTRY="$T/registry.db" KYT_LOG_DIR="$T/log" "$BUILD/app/kytpreview" "$@" 2>/dev/null; }
[[ "$(ver version)" == "$(ver version --verbose)" && "$(ver version)" == *"$T/registry.db"* ]] \
  || fail "version differs between the program and the command module: $(ver version) / $(ver version --verbose)"
[[ "$(ver --version)" == "$(ver version | head -1)" ]] || fail "--version is not the first line of version"

# zxing-cpp is in the reader module, loaded by the commands that read
# symbols back; Qt Widgets and the widgets library come with the window
# module, loaded by the commands that open a window. The command module
# maps neither.
commands_needs=$(readelf -d "$BUILD/app/kytpreview-commands.so" | awk '/NEEDED/{print $NF}')
grep -q 'libkytpreview-core' <<<"$commands_needs" || fail "could not read the command module's DT_NEEDED"
grep -qi 'zxing' <<<"$commands_needs" && fail "the command module links zxing-cpp (its reader module loads it)"
[[ -f "$BUILD/app/kytpreview-reader.so" ]] || fail "the reader module was not built beside the program"
for lib in libQt6Widgets libQt6PrintSupport libkytpreview-widgets; do
  grep -q "$lib" <<<"$commands_needs" && fail "the command module links $lib (the window module loads it)"
done
[[ -f "$BUILD/app/kytpreview-windows.so" ]] || fail "the window module was not built beside the program"

# qpdf (and the TLS libraries it brings) is in the join's module, loaded
# only for a part the core's own copy does not expect: a batch joins the
# parts it draws without it, into the same pages.
grep -q 'libqpdf' <<<"$needed" && fail "the core library links libqpdf (its join module loads it)"
[[ -f "$BUILD/src/kytpreview/kytpreview-pdfjoin.so" ]] || fail "the join module was not built beside the core library"
if command -v pdftoppm > /dev/null; then
  mkdir -p "$T/lib" "$T/log" "$T/out"
  cp "$BUILD"/src/libkytpreview-core.so.* "$T/lib/"
  printf 'FirstName,LastName,Company,Host,BadgeNo,ValidUntil,Image\n' > "$T/people.csv"
  for i in 1 2 3 4 5 6; do printf 'Ann,Lee %s,Acme,Jo,V-%s,2027-01-31,\n' "$i" "$i" >> "$T/people.csv"; done
  run_batch() { KYT_LOG_DIR="$T/log" KYT_REGISTRY="$T/registry.db" QT_QPA_PLATFORM=offscreen "${@:2}" \
    "$BUILD/app/kytpreview" batch "$SRC/examples/sample_card.tpl" --csv "$T/people.csv" -o "$T/out/$1.pdf" --quiet \
    > /dev/null 2> "$T/err" || fail "batch ($1) failed: $(cat "$T/err")"; }
  run_batch joined env
  run_batch alone env LD_LIBRARY_PATH="$T/lib"
  pdftoppm -r 30 -png "$T/out/joined.pdf" "$T/out/j" && pdftoppm -r 30 -png "$T/out/alone.pdf" "$T/out/a"
  [[ $(ls "$T"/out/a-*.png 2> /dev/null | wc -l) -eq 12 ]] || fail "the batch without the join module did not give 12 pages"
  for p in "$T"/out/j-*.png; do
    cmp -s "$p" "${p/\/j-/\/a-}" || fail "page ${p##*-} differs without the join module"
  done
  grep -q "qpdf" "$T"/log/* 2> /dev/null && fail "a batch of its own parts needed qpdf"
fi

[[ $failures -eq 0 ]] && echo "ok"
exit $((failures > 0))
