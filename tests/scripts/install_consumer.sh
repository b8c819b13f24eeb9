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

cmake -S "$SOURCE_DIR/tests/data/consumer" -B "$T/build" -G Ninja -DCMAKE_PREFIX_PATH="$P" > "$T/configure.log" 2>&1 \
  || { cat "$T/configure.log"; exit 1; }
cmake --build "$T/build" > "$T/build.log" 2>&1 || { cat "$T/build.log"; exit 1; }
export QT_QPA_PLATFORM=offscreen KYT_LOG_DIR="$T/log" KYT_REGISTRY="$T/registry.db"
LD_LIBRARY_PATH="$P/lib" "$T/build/consumer" "$SOURCE_DIR/examples/sample_card.tpl" "$SOURCE_DIR/examples/sample_photo.png" "$T/card.pdf"
pages=$(pdfinfo "$T/card.pdf" | awk '/^Pages:/{print $2}')
[ "$pages" = "2" ] || { echo "FAIL: expected 2 pages, got $pages"; exit 1; }
pdftotext -f 1 -l 1 "$T/card.pdf" - | grep -q "Ann" || { echo "FAIL: field value not on the front"; exit 1; }
named=$(LD_LIBRARY_PATH="$P/lib" "$T/build/by_name" "$SOURCE_DIR/examples/sample_card.tpl")
grep -qE '^[0-9.]+ x [0-9.]+: .*FirstName' <<<"$named" || { echo "FAIL: by-name host printed '$named'"; exit 1; }

# The same host built from the pkg-config flags alone.
# shellcheck disable=SC2046
c++ -std=c++20 -fPIC "$SOURCE_DIR/tests/data/consumer/by_name.cpp" -o "$T/by_name_pc" \
  $(PKG_CONFIG_PATH="$PC_DIR" pkg-config --cflags --libs kytpreview) > "$T/pc.log" 2>&1 \
  || { cat "$T/pc.log"; echo "FAIL: host does not build from pkg-config flags"; exit 1; }
LD_LIBRARY_PATH="$P/lib" "$T/by_name_pc" "$SOURCE_DIR/examples/sample_card.tpl" | grep -q FirstName \
  || { echo "FAIL: pkg-config host"; exit 1; }

# The installed program finds its libraries relative to itself.
runpath=$(readelf -d "$P/bin/kytpreview" | grep -E 'RUNPATH|RPATH' || true)
grep -q '\$ORIGIN/../lib' <<<"$runpath" || { echo "FAIL: kytpreview has no \$ORIGIN run path: $runpath"; exit 1; }
core=$(env -u LD_LIBRARY_PATH ldd "$P/bin/kytpreview" | awk '/libkytpreview-core/{print $3}')
[ "$core" = "$(readlink -f "$P/lib/libkytpreview-core.so.8")" ] || [ "$(readlink -f "$core")" = "$(readlink -f "$P/lib/libkytpreview-core.so.8")" ] \
  || { echo "FAIL: installed program loads '$core'"; exit 1; }
env -u LD_LIBRARY_PATH "$P/bin/kytpreview" info "$SOURCE_DIR/examples/sample_card.tpl" > "$T/info.txt" 2>&1 \
  || { cat "$T/info.txt"; echo "FAIL: installed program does not run"; exit 1; }
echo "ok"
