#!/usr/bin/env bash
# The Debian packages: built with scripts/package.sh (CPack, dependencies
# from dpkg-shlibdeps), no lintian errors, installed with dpkg, and the
# installed program renders the sample card and opens the designer for a
# screenshot, finds its manual page and completion; then the packages are
# purged and nothing of them is left. Needs root and dpkg (CI has both);
# otherwise it is skipped and says why. Machines that already have one of the
# packages installed are left alone (skipped).
set -uo pipefail
build=$(cd "${1:?build folder}" && pwd)
src=$(cd "${2:?source folder}" && pwd)
name=debian_packages
fail() { echo "$name: FAIL: $*" >&2; exit 1; }
skip() { echo "$name: skipped: $*" >&2; exit 77; }
[[ $(id -u) -eq 0 ]] || skip "not root (dpkg -i needs root; CI runs as root)"
for tool in dpkg dpkg-deb dpkg-shlibdeps cpack pdfinfo; do
  command -v "$tool" >/dev/null || skip "$tool missing (scripts/install-deps.sh)"
done
packages=(kytpreview libkytpreview-dev libkytpreview-widgets8 libkytpreview-core8)
for p in "${packages[@]}"; do
  if dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q installed; then
    skip "$p is already installed on this machine; not touching it"
  fi
done
for f in /usr/bin/kytpreview /usr/share/applications/kytpreview-design.desktop; do
  [[ ! -e $f ]] || skip "$f exists (installed by hand?); not touching it"
done

tmp=$(mktemp -d)
installed=0
cleanup() {
  if [[ $installed -eq 1 ]]; then
    dpkg --purge "${packages[@]}" > "$tmp/purge.log" 2>&1 || cat "$tmp/purge.log" >&2
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

# Build beside the build folder (kept, so that a second run only packs),
# with its build type, compiler and flags: ccache then serves every object
# the build folder already made, and only the two files that name the
# installed folders compile anew.
pkg_build="$(dirname "$build")/$(basename "$build")-packages"
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
configure=()
for var in CMAKE_BUILD_TYPE CMAKE_CXX_COMPILER CMAKE_CXX_FLAGS KYT_WERROR; do
  configure+=("-D$var=$(cache_value "$var")")
done
started=$SECONDS
bash "$src/scripts/package.sh" "$pkg_build" "${configure[@]}" > "$tmp/package.log" 2>&1 \
  || { cat "$tmp/package.log"; fail "packages not built"; }
echo "$name: packages built in $((SECONDS - started)) s"
debs=()
for p in "${packages[@]}"; do
  f=$(ls "$pkg_build"/${p}_*.deb 2>/dev/null | head -1)
  [[ -n "$f" ]] || fail "no package $p in $pkg_build: $(ls "$pkg_build"/*.deb 2>&1)"
  debs+=("$f")
done

field() { dpkg-deb -f "$1" "$2"; }

# Descriptions: a synopsis, then lines indented by exactly one space.
for deb in "${debs[@]}"; do
  ! field "$deb" Description | tail -n +2 | grep -qv '^ [^ ]' || fail "$(basename "$deb"): badly indented description"
done

# Package contents and computed dependencies.
contents() { dpkg-deb -c "$1" | awk '{print $6}' | sed 's|^\./|/|'; }
contents "${debs[0]}" > "$tmp/program.txt"
for f in /usr/bin/kytpreview /usr/share/applications/kytpreview-design.desktop /usr/share/mime/packages/kytpreview.xml \
  /usr/share/icons/hicolor/scalable/apps/kytpreview.svg /usr/share/metainfo/org.kytpreview.designer.metainfo.xml \
  /usr/share/man/man1/kytpreview.1.gz /usr/share/man/man1/kytpreview-render.1.gz \
  /usr/share/bash-completion/completions/kytpreview /usr/share/zsh/vendor-completions/_kytpreview \
  /usr/share/fish/vendor_completions.d/kytpreview.fish /usr/share/doc/kytpreview/copyright; do
  grep -qx "$f" "$tmp/program.txt" || fail "kytpreview package lacks $f"
done
grep -qE 'libkytpreview-core\.so\.8' <(contents "${debs[3]}") || fail "core package lacks the library"
grep -q '/usr/share/kytpreview/fonts/KYTCode128.ttf' <(contents "${debs[3]}") || fail "core package lacks the barcode fonts"
grep -q '/pkgconfig/kytpreview-core.pc' <(contents "${debs[1]}") || fail "dev package lacks kytpreview-core.pc"
depends=$(field "${debs[0]}" Depends)
for d in libkytpreview-core8 libkytpreview-widgets8 libqt6widgets6 libqt6core6 libzxing; do
  grep -q "$d" <<<"$depends" || fail "kytpreview does not depend on $d: $depends"
done
core_depends=$(field "${debs[3]}" Depends)
! grep -qE 'widgets|printsupport' <<<"$core_depends" || fail "the core library pulls in widgets: $core_depends"
for d in libqt6gui6 libqpdf libzint libcups2; do
  grep -q "$d" <<<"$core_depends" || fail "core package does not depend on $d: $core_depends"
done

# lintian (run by package.sh): no errors (warnings are printed).
if [[ -f "$pkg_build/lintian.txt" ]]; then
  grep -E '^[EW]: ' "$pkg_build/lintian.txt" >&2
  ! grep -q '^E: ' "$pkg_build/lintian.txt" || fail "lintian reports errors"
else
  echo "$name: lintian not installed, packages not checked" >&2
fi

# Install; the machine must have every dependency already (nothing is
# downloaded here).
dpkg -i "${debs[@]}" > "$tmp/install.log" 2>&1 || {
  installed=1
  cat "$tmp/install.log"
  fail "dpkg -i failed"
}
installed=1
mapfile -t files < <(dpkg -L "${packages[@]}" | sort -u)

# The installed program, with nothing of the build tree in its environment.
run() { env -i PATH=/usr/bin:/bin HOME="$tmp/home" XDG_RUNTIME_DIR="$tmp/run" KYT_LOG_DIR="$tmp/log" \
  KYT_REGISTRY="$tmp/registry.db" "$@"; }
mkdir -p "$tmp/home" "$tmp/run" && chmod 700 "$tmp/run"
[[ "$(command -v kytpreview)" == /usr/bin/kytpreview ]] || fail "kytpreview is not /usr/bin/kytpreview"
! readelf -d /usr/bin/kytpreview | grep -qE 'RPATH|RUNPATH' || fail "the packaged program carries a run path"
! grep -qa "$build" /usr/bin/kytpreview /usr/lib/*/libkytpreview-core.so.8 || fail "a packaged binary names the build folder"
run kytpreview render "$src/examples/sample_card.tpl" --data "$src/examples/sample_card.data" -o "$tmp/sample.pdf" \
  || fail "the installed program did not render the sample"
[[ "$(pdfinfo "$tmp/sample.pdf" | awk '/^Pages:/{print $2}')" == 2 ]] || fail "sample.pdf is not two pages"
run kytpreview check "$src/examples/sample_card.tpl" --data "$src/examples/sample_card.data" > "$tmp/check.txt" 2>&1 \
  || { cat "$tmp/check.txt"; fail "check of the sample failed with the installed fonts"; }
run kytpreview render "$src/examples/sample_card.tpl" --data "$src/examples/sample_card.data" -o "$tmp/sample.png" \
  || fail "no sample.png"
# A batch joins its parts with the installed join module (not drawn on one
# core for want of it).
printf 'FirstName,LastName,Company,Host,BadgeNo,ValidUntil,Image\nAnn,Lee,Acme,Jo,V-1,2027-01-31,\nOle,Berg,Acme,Jo,V-2,2027-01-31,\n' \
  > "$tmp/people.csv"
run kytpreview batch "$src/examples/sample_card.tpl" --csv "$tmp/people.csv" -o "$tmp/batch.pdf" --quiet \
  > "$tmp/batch.log" 2>&1 || { cat "$tmp/batch.log"; fail "the installed program's batch failed"; }
[[ "$(pdfinfo "$tmp/batch.pdf" | awk '/^Pages:/{print $2}')" == 4 ]] || fail "batch.pdf is not four pages"
! grep -qs "cannot be joined" "$tmp"/log/* || fail "the installed join module was not found: $(cat "$tmp"/log/*)"
run env QT_QPA_PLATFORM=offscreen kytpreview design "$src/examples/sample_card.tpl" --screenshot "$tmp/design.png" \
  > "$tmp/design.log" 2>&1 || { cat "$tmp/design.log"; fail "design --screenshot failed"; }
[[ -s "$tmp/design.png" ]] || fail "design wrote no screenshot"
if command -v xvfb-run >/dev/null; then
  run xvfb-run -a kytpreview design --screenshot "$tmp/design-x.png" > "$tmp/design-x.log" 2>&1 \
    || { cat "$tmp/design-x.log"; fail "design --screenshot under xvfb-run failed"; }
  [[ -s "$tmp/design-x.png" ]] || fail "design under xvfb-run wrote no screenshot"
fi
if command -v man >/dev/null; then
  run man -w kytpreview-render > /dev/null 2>&1 || fail "man kytpreview-render finds no page"
fi
run bash --norc -c 'source /usr/share/bash-completion/completions/kytpreview && complete -p kytpreview' > /dev/null \
  || fail "the installed bash completion does not load"
run pkg-config --libs kytpreview-core | grep -q -- -lkytpreview-core || fail "pkg-config kytpreview-core"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/kytpreview-design.desktop || fail "installed desktop entry"
fi

# Remove: nothing of the packages stays.
dpkg --purge "${packages[@]}" > "$tmp/purge.log" 2>&1 || { cat "$tmp/purge.log"; fail "dpkg --purge failed"; }
installed=0
for f in "${files[@]}"; do
  [[ -d "$f" ]] && continue
  [[ ! -e "$f" ]] || fail "$f is left after the purge"
done
for p in "${packages[@]}"; do
  ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q installed || fail "$p still installed"
done
echo "$name: ok (${#files[@]} files installed and removed)"
