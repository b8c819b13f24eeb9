#!/bin/bash
# A damaged settings file: reported once, left byte for byte as it was, and
# the program goes on with defaults. Usage: damaged_file.sh BUILD_DIR
set -eu
build=${1:?build dir}
cli=$build/app/kytpreview
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
export KYT_LOG_DIR=$work/log
head -c 65536 /dev/urandom > "$work/registry.db"
sum_before=$(sha256sum < "$work/registry.db")
set +e
"$cli" settings set 'HKLM\Software\X' Name Value --file "$work/registry.db" 2> "$work/err"; rc=$?
set -e
reports=$(grep -c 'Error Number:' "$work/err" || true)
sum_after=$(sha256sum < "$work/registry.db")
echo "exit $rc (1 = write kept in memory only)"
echo "reports $reports"
[ "$sum_before" = "$sum_after" ] && echo "file unchanged" || { echo "FILE CHANGED"; exit 1; }
[ "$reports" -eq 1 ]
