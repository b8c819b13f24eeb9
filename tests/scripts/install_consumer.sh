#!/usr/bin/env bash
# The installed package works for a host: install into a temporary prefix,
# build small programs with find_package(KYTPreview) and with pkg-config,
# print a card, call members by name, and run the installed program without
# any library path set.
set -euo pipefail
BUILD_DIR=$(cd "${1:?build dir}" && pwd)
SOURCE_DIR=$(cd "${2:?source dir}" && pwd)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
P="$T/prefix"
cmake --install "$BUILD_DIR" --prefix "$P" > "$T/install.log" 2>&1 || { cat "$T/install.log"; exit 1; }

# pkg-config names the prefix installed to and exports only its include folder.
PC_DIR=$(dirname "$(find "$P" -name kytpreview.pc | head -1)")
[ -f "$PC_DIR/kytpreview.pc" ] || { echo "FAIL: no pkg-config file"; exit 1; }
prefix=$(PKG_CONFIG_PATH="$PC_DIR" pkg-config --variable=prefix kytpreview)
[ "$prefix" = "$P" ] || { echo "FAIL: pkg-config prefix is '$prefix', installed to '$P'"; exit 1; }
own_cflags=$(grep '^Cflags:' "$PC_DIR/kytpreview.pc" | sed 's/^Cflags: *//; s|\${includedir}|'"$P/include"'|g')
[ "$own_cflags" = "-I$P/include" ] || { echo "FAIL: Cflags '$own_cflags'"; exit 1; }

# Only public headers are installed, all under include/kytpreview, and each
# one's includes are found there.
stray=$(find "$P/include" -mindepth 1 -maxdepth 1 ! -name kytpreview)
[ -z "$stray" ] || { echo "FAIL: installed outside include/kytpreview: $stray"; exit 1; }
for internal in objects/TokenFields.h objects/RenderSupport.h jobs/CardJobSurface.h template/TemplateFileCodec.h util/Strings.h; do
  [ ! -e "$P/include/kytpreview/$internal" ] || { echo "FAIL: internal header $internal installed"; exit 1; }
done
grep -rhoE '#include "[^"]+"' "$P/include" | sort -u | sed 's/#include "//; s/"$//' | while read -r inc; do
  [ -f "$P/include/$inc" ] || { echo "FAIL: installed header includes missing $inc"; exit 1; }
done

# The README's embedding examples as two programs: the code blocks of its
# Embedding section, includes at the top, statements in a function.
mkdir -p "$T/readme"
awk -v out="$T/readme" '
  /^## / { inside = ($0 == "## Embedding") }
  inside && /^```cpp$/ { n++; block = 1; next }
  block && /^```$/ { block = 0; next }
  block { print > (out "/block" n ".txt") }
' "$SOURCE_DIR/README.md"
[ -f "$T/readme/block1.txt" ] && [ -f "$T/readme/block2.txt" ] || { echo "FAIL: README has no two C++ examples under Embedding"; exit 1; }
write_example() { # BLOCK OUT APPLICATION PARAMETERS ARGUMENT
  {
    echo "#include <$3>"
    grep '^#include' "$T/readme/$1"
    echo "static void example($4)"
    echo "{"
    grep -v '^#include' "$T/readme/$1"
    echo "}"
    echo "int main(int argc, char** argv)"
    echo "{"
    echo "    $3 app(argc, argv);"
    echo "    if (argc > 1)"
    echo "        example($5);"
    echo "    return 0;"
    echo "}"
  } > "$T/readme/$2"
}
write_example block1.txt readme_widgets.cpp QApplication "QWidget* window" nullptr
write_example block2.txt readme_core.cpp QGuiApplication "" ""

cmake -S "$SOURCE_DIR/tests/data/consumer" -B "$T/build" -G Ninja -DCMAKE_PREFIX_PATH="$P" -DKYT_README_DIR="$T/readme" > "$T/configure.log" 2>&1 \
  || { cat "$T/configure.log"; exit 1; }
cmake --build "$T/build" > "$T/build.log" 2>&1 || { cat "$T/build.log"; exit 1; }
export QT_QPA_PLATFORM=offscreen KYT_LOG_DIR="$T/log" KYT_REGISTRY="$T/registry.db"
LD_LIBRARY_PATH="$P/lib" "$T/build/consumer" "$SOURCE_DIR/examples/sample_card.tpl" "$SOURCE_DIR/examples/sample_photo.png" "$T/card.pdf"
pages=$(pdfinfo "$T/card.pdf" | awk '/^Pages:/{print $2}')
[ "$pages" = "2" ] || { echo "FAIL: expected 2 pages, got $pages"; exit 1; }
pdftotext -f 1 -l 1 "$T/card.pdf" - | grep -q "Ann" || { echo "FAIL: field value not on the front"; exit 1; }
named=$(LD_LIBRARY_PATH="$P/lib" "$T/build/by_name" "$SOURCE_DIR/examples/sample_card.tpl")
grep -qE '^[0-9.]+ x [0-9.]+: .*FirstName' <<<"$named" || { echo "FAIL: by-name host printed '$named'"; exit 1; }

# Headless hosts load no widgets library, directly or through ours.
for host in consumer by_name readme_core; do
  needed=$(readelf -d "$T/build/$host" | grep NEEDED)
  ! grep -qE 'Widgets|PrintSupport|kytpreview-widgets' <<<"$needed" || { echo "FAIL: $host needs: $needed"; exit 1; }
done
LD_LIBRARY_PATH="$P/lib" "$T/build/readme_core" || { echo "FAIL: README host example does not start"; exit 1; }
LD_LIBRARY_PATH="$P/lib" "$T/build/readme_widgets" || { echo "FAIL: README window example does not start"; exit 1; }

# The same host built from the pkg-config flags alone; the core's flags name
# no widgets module.
core_flags=$(PKG_CONFIG_PATH="$PC_DIR" pkg-config --cflags --libs kytpreview-core) || { echo "FAIL: no kytpreview-core.pc"; exit 1; }
! grep -qE 'Widgets|PrintSupport|kytpreview-widgets' <<<"$core_flags" || { echo "FAIL: kytpreview-core flags: $core_flags"; exit 1; }
# shellcheck disable=SC2086
c++ -std=c++20 -fPIC "$SOURCE_DIR/tests/data/consumer/by_name.cpp" -o "$T/by_name_core" $core_flags > "$T/pc-core.log" 2>&1 \
  || { cat "$T/pc-core.log"; echo "FAIL: host does not build from kytpreview-core flags"; exit 1; }
LD_LIBRARY_PATH="$P/lib" "$T/by_name_core" "$SOURCE_DIR/examples/sample_card.tpl" | grep -q FirstName \
  || { echo "FAIL: kytpreview-core host"; exit 1; }
# shellcheck disable=SC2046
c++ -std=c++20 -fPIC "$SOURCE_DIR/tests/data/consumer/by_name.cpp" -o "$T/by_name_pc" \
  $(PKG_CONFIG_PATH="$PC_DIR" pkg-config --cflags --libs kytpreview) > "$T/pc.log" 2>&1 \
  || { cat "$T/pc.log"; echo "FAIL: host does not build from pkg-config flags"; exit 1; }
LD_LIBRARY_PATH="$P/lib" "$T/by_name_pc" "$SOURCE_DIR/examples/sample_card.tpl" | grep -q FirstName \
  || { echo "FAIL: pkg-config host"; exit 1; }

# The installed program finds its command module, and the modules the
# libraries, relative to themselves.
runpath=$(readelf -d "$P/bin/kytpreview" | grep -E 'RUNPATH|RPATH' || true)
grep -q '\$ORIGIN/../lib' <<<"$runpath" || { echo "FAIL: kytpreview has no \$ORIGIN run path: $runpath"; exit 1; }
for module in kytpreview-commands kytpreview-windows; do
  core=$(env -u LD_LIBRARY_PATH ldd "$P/lib/kytpreview/$module.so" | awk '/libkytpreview-core/{print $3}')
  [ "$(readlink -f "$core")" = "$(readlink -f "$P/lib/libkytpreview-core.so.8")" ] \
    || { echo "FAIL: the installed $module loads '$core'"; exit 1; }
done
env -u LD_LIBRARY_PATH "$P/bin/kytpreview" info "$SOURCE_DIR/examples/sample_card.tpl" > "$T/info.txt" 2>&1 \
  || { cat "$T/info.txt"; echo "FAIL: installed program does not run"; exit 1; }
echo "ok"
