#!/usr/bin/env bash
# Prepares a local CUPS print queue that writes PDF files, for the real
# print tests and for trying printing without a card printer.
#   - installs nothing (scripts/install-deps.sh does that);
#   - starts the CUPS scheduler when it is not running (needs root);
#   - creates the queue (default "KYT_PDF") on the cups-pdf backend when it
#     does not exist yet; an existing queue is left as it is;
#   - prints the folder where the queue's PDF files appear, as the last line.
# Exit codes: 0 ready, 77 CUPS or cups-pdf not installed, 1 anything else.
# Safe to run again and again; it never removes or changes other queues.
set -euo pipefail

queue="${KYT_CUPS_QUEUE:-KYT_PDF}"

have() { command -v "$1" >/dev/null 2>&1; }
as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"
  elif have sudo; then sudo -n "$@"
  else echo "cups-setup: '$*' needs root" >&2; return 1
  fi
}

cupsd_bin=""
for c in cupsd /usr/sbin/cupsd; do
  if have "$c"; then cupsd_bin=$(command -v "$c"); break; fi
done
backend=/usr/lib/cups/backend/cups-pdf
if [[ -z "$cupsd_bin" ]] || ! have lpstat || ! have lpadmin || [[ ! -e "$backend" ]]; then
  echo "cups-setup: CUPS or cups-pdf is not installed (run scripts/install-deps.sh)" >&2
  exit 77
fi

# Scheduler.
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "cups-setup: starting the CUPS scheduler" >&2
  if have systemctl && [[ -d /run/systemd/system ]]; then
    as_root systemctl start cups || as_root "$cupsd_bin"
  else
    as_root "$cupsd_bin"
  fi
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.2
  done
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "cups-setup: the CUPS scheduler did not start" >&2
    exit 1
  fi
fi

# Queue.
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  ppd=""
  for p in /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd; do
    [[ -f "$p" ]] && { ppd="$p"; break; }
  done
  if [[ -n "$ppd" ]]; then
    as_root lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
  else
    model=$(lpinfo -m 2>/dev/null | grep -i 'cups-pdf' | head -n1 | cut -d' ' -f1)
    if [[ -z "$model" ]]; then
      echo "cups-setup: no PPD for cups-pdf found" >&2
      exit 77
    fi
    as_root lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model"
  fi
  echo "cups-setup: created queue $queue" >&2
fi
# Only for the queue this script manages: keep text searchable (the default
# PostScript conversion loses the fonts' text mapping).
if lpstat -v "$queue" 2>/dev/null | grep -q 'cups-pdf:'; then
  as_root lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo 2>/dev/null || true
fi
as_root cupsenable "$queue" 2>/dev/null || true
as_root cupsaccept "$queue" 2>/dev/null || true

# Where cups-pdf writes: the "Out" setting (per user, ${HOME} expanded for the
# submitting user), or the anonymous folder for jobs without a known user.
conf=/etc/cups/cups-pdf.conf
out='${HOME}/PDF'
if [[ -r "$conf" ]]; then
  v=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' "$conf" | tail -n1)
  [[ -n "$v" ]] && out="$v"
fi
home="${HOME:-$(getent passwd "$(id -un)" | cut -d: -f6)}"
out="${out//\$\{HOME\}/$home}"
out="${out//\$\{USER\}/$(id -un)}"
echo "$out"
