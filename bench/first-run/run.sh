#!/usr/bin/env bash
# The README's first command on a fresh Debian 12: a minimal Debian 12 root
# (mmdebstrap --variant=minbase, what the debian:12 image holds) gets a clone
# of the repository, and `bash scripts/sample.sh` runs in it as on a new
# machine: apt-get update, the packages, the build with an empty compiler
# cache, the sample card. Its phases and the whole time are reported.
#   usage: bench/first-run/run.sh      (as root: it makes a chroot)
#   env:   WORK (default /tmp/kyt-first-run), MIRROR (default deb.debian.org)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
src="$(cd "$here/../.." && pwd)"
source "$here/../lib/common.sh"
WORK="${WORK:-/tmp/kyt-first-run}"
MIRROR="${MIRROR:-http://deb.debian.org}"
[[ $(id -u) -eq 0 ]] || { echo "run as root: the fresh system is a chroot" >&2; exit 2; }
command -v mmdebstrap > /dev/null || apt-get install -y -qq mmdebstrap > /dev/null
root="$WORK/root"
cleanup() {
  for m in dev/pts dev sys proc; do mountpoint -q "$root/$m" && umount -l "$root/$m"; done
  return 0
}
trap cleanup EXIT
cleanup
rm -rf "$WORK"
mkdir -p "$WORK"
machine

# The fresh machine (not timed: it stands for the installed system).
mmdebstrap --variant=minbase --quiet bookworm "$root" "deb $MIRROR/debian bookworm main" \
  "deb $MIRROR/debian bookworm-updates main" "deb $MIRROR/debian-security bookworm-security main" \
  > "$WORK/mmdebstrap.log" 2>&1 || { tail -5 "$WORK/mmdebstrap.log" >&2; exit 1; }
echo "fresh Debian 12: $(chroot "$root" dpkg -l | grep -c '^ii') packages"
for m in proc sys dev dev/pts; do mount --bind "/$m" "$root/$m"; done
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q "$src" "$root/src"

start=$(date +%s.%N)
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  bash -c 'cd /src && bash scripts/sample.sh' > "$WORK/sample.log" 2>&1 \
  || { tail -20 "$WORK/sample.log" >&2; exit 1; }
total=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN{printf "%.0f", e-s}')
grep -E '^== |done in|^installing' "$WORK/sample.log" | sed 's/^installing: \(.\{60\}\).*/installing: \1.../'
grep -qs . "$root/src/out/sample.png" && grep -qs . "$root/src/out/sample.pdf" || { echo "no sample written" >&2; exit 1; }
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "bash scripts/sample.sh on a fresh Debian 12: $total s"
