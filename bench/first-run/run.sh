#!/usr/bin/env bash
# What scripts/sample.sh costs on a fresh Debian 12 machine, measured on this
# one:
#  (1) the packages: which of install-deps.sh --sample's packages (and their
#      dependencies) a fresh Debian 12 lacks (one with only its required
#      packages, as the debian:12 image has), their download size, the time to
#      download them into an empty cache and to unpack them;
#  (2) the build and the render from a fresh clone, the packages present.
# The sum is what a fresh machine spends before it shows the card, apart from
# dpkg's configure step (triggers: ldconfig, fontconfig), which is short.
#   usage: bench/first-run/run.sh        (needs root for apt-get's cache lock)
#   env:   WORK (default /tmp/kyt-first-run), SAMPLE_SECONDS (skip (2) and
#          take this figure instead)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
src="$(cd "$here/../.." && pwd)"
source "$here/../lib/common.sh"
WORK="${WORK:-/tmp/kyt-first-run}"
rm -rf "$WORK"
mkdir -p "$WORK/archives/partial" "$WORK/root" "$WORK/lists"
machine

# A fresh Debian 12: the packages of priority "required", the essential
# ones and what they depend on, as dpkg knows them here.
base=$(awk -v RS= '/\nPriority: required\n/ || /\nEssential: yes\n/' /var/lib/dpkg/status | sed -n 's/^Package: //p')
# shellcheck disable=SC2086
apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks --no-replaces \
  --no-enhances $base 2> /dev/null | grep -v '^[ <]' | sort -u > "$WORK/base"
awk -v RS= -v ORS='\n\n' 'NR == FNR { keep[$0] = 1; next }
  { if (match($0, /^Package: [^\n]*/) && keep[substr($0, 10, RLENGTH - 9)]) print }' \
  RS='\n' "$WORK/base" RS= /var/lib/dpkg/status > "$WORK/status"
echo "a fresh system has $(grep -c '^Package:' "$WORK/status") packages"
mapfile -t pkgs < <(bash "$src/scripts/install-deps.sh" --sample --list)
apt=(apt-get -q -o Dir::State::status="$WORK/status" -o Dir::Cache::archives="$WORK/archives"
  -o Debug::NoLocking=1 -o APT::Install-Recommends=false)
"${apt[@]}" --print-uris -y install "${pkgs[@]}" 2> /dev/null | grep "^'" > "$WORK/uris" || true
count=$(wc -l < "$WORK/uris")
bytes=$(awk '{s += $3} END {print s}' "$WORK/uris")
echo "packages to install: $count, $(awk -v b="$bytes" 'BEGIN{printf "%.0f MiB", b/1048576}') to download"

start=$(date +%s.%N)
"${apt[@]}" --download-only -y install "${pkgs[@]}" > "$WORK/download.log" 2>&1 \
  || { tail -5 "$WORK/download.log" >&2; echo "download failed" >&2; exit 1; }
download=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN{printf "%.1f", e-s}')
echo "download: $download s ($(ls "$WORK"/archives/*.deb | wc -l) files)"

start=$(date +%s.%N)
for deb in "$WORK"/archives/*.deb; do dpkg-deb -x "$deb" "$WORK/root"; done
unpack=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN{printf "%.1f", e-s}')
echo "unpack: $unpack s ($(du -sm "$WORK/root" | cut -f1) MiB)"
rm -rf "$WORK/root" "$WORK/archives"

if [[ -n "${SAMPLE_SECONDS:-}" ]]; then
  sample=$SAMPLE_SECONDS
else
  git clone -q "$src" "$WORK/clone"
  start=$(date +%s.%N)
  (cd "$WORK/clone" && bash scripts/sample.sh) > "$WORK/sample.log" 2>&1 || { tail -20 "$WORK/sample.log" >&2; exit 1; }
  sample=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN{printf "%.1f", e-s}')
  grep -E '^== |done in' "$WORK/sample.log"
fi
echo "sample.sh from a fresh clone, packages present: $sample s"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v d="$download" -v u="$unpack" -v s="$sample" \
  'BEGIN { printf "estimated first run on a fresh machine: %.0f s (download %.0f + unpack %.0f + sample %.0f)\n", d+u+s, d, u, s }'
