#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the sample job need.
# Does nothing when everything is already present.
#   --bench   also the tools the benchmarks compare against (glabels, time)
set -euo pipefail

pkgs=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libsqlite3-dev libgtest-dev
  fonts-liberation2 fonts-dejavu-core fontconfig
  python3 python3-fonttools
  zbar-tools libzbar-dev poppler-utils libzint-dev libzxing-dev
  cups cups-client cups-bsd cups-ipp-utils printer-driver-cups-pdf libcups2-dev libqpdf-dev
  clang libclang-rt-14-dev clang-format
)
if [[ "${1:-}" == "--bench" ]]; then
  pkgs+=(glabels time python3-pil imagemagick)
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
