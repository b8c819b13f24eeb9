#!/usr/bin/env bash
# Installs the Debian packages the project needs. Does nothing when
# everything is already present.
#   (no argument)  everything: build, test suite, packaging and CI checks
#   --sample       only what building and running the libraries and the
#                  kytpreview program need (scripts/sample.sh)
#   --bench        everything, and the tools the benchmarks compare against
#                  (glabels, time)
#   --list         print the chosen packages instead of installing them
set -euo pipefail

# Building and running the libraries and the command-line program. The font
# tools come with the small alternatives of their dependencies (munkres,
# defcon) rather than SciPy and ufoLib2.
runtime=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools
  libsqlite3-dev libcups2-dev libqt6sql6-sqlite libqt6sql6-psql
  fonts-liberation2 fonts-dejavu-core fontconfig
  python3 python3-fonttools python3-munkres python3-defcon
  libzint-dev libzxing-dev libqpdf-dev zlib1g-dev
)
# The test suite: test framework, barcode and PDF readers, a CUPS server with
# a PDF queue, the sanitizer/fuzzer compiler and the formatter, and the tools
# the packaging, documentation and desktop-file checks run.
tests=(
  libgtest-dev postgresql
  zbar-tools poppler-utils qpdf imagemagick
  cups cups-client cups-bsd cups-ipp-utils printer-driver-cups-pdf
  clang libclang-rt-14-dev clang-format
  doxygen dpkg-dev file lintian appstream desktop-file-utils xvfb xauth
)

pkgs=("${runtime[@]}")
list=0
for arg in "$@"; do
  case "$arg" in
    --sample) ;;
    --bench) pkgs+=(glabels time python3-pil imagemagick) ;;
    --list) list=1 ;;
    *) echo "install-deps: unknown argument $arg (--sample, --bench, --list)" >&2; exit 2 ;;
  esac
done
[[ " $* " == *" --sample "* ]] || pkgs+=("${tests[@]}")
if [[ $list -eq 1 ]]; then
  printf '%s\n' "${pkgs[@]}"
  exit 0
fi

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "installing: ${missing[*]}"
SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
