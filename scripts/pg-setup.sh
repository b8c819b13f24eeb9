#!/usr/bin/env bash
# Runs a private PostgreSQL server for the data source tests and for trying
# database sources without a server of one's own.
#   pg-setup.sh start DIR   creates a cluster in DIR (a fresh, empty folder)
#                           and starts it: no TCP port, only a unix socket in
#                           DIR; the superuser "kyt" with the password in
#                           $KYT_PG_PASSWORD (default "kyt-secret"), asked
#                           for on every connection. Prints DIR as the last
#                           line (the socket folder, the HOST of a URL).
#   pg-setup.sh stop DIR    stops that server (DIR is left for the caller).
# The server never runs as root: as root it runs as the user "nobody".
# Exit codes: 0 done, 77 PostgreSQL is not installed, 1 anything else.
set -euo pipefail

cmd="${1:-}"
dir="${2:-}"
[[ "$cmd" == start || "$cmd" == stop ]] && [[ -n "$dir" ]] || {
  echo "usage: pg-setup.sh start|stop DIR" >&2
  exit 1
}
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1 || true)
if [[ -z "$bin" || ! -x "$bin/initdb" || ! -x "$bin/pg_ctl" ]]; then
  echo "pg-setup: PostgreSQL is not installed (run scripts/install-deps.sh)" >&2
  exit 77
fi
dir=$(cd "$dir" && pwd)

as_server() {
  if [[ $(id -u) -eq 0 ]]; then runuser -u nobody -- "$@"; else "$@"; fi
}

if [[ "$cmd" == stop ]]; then
  as_server "$bin/pg_ctl" -D "$dir/cluster" -m immediate -w stop >/dev/null 2>&1 || true
  exit 0
fi

[[ -z "$(ls -A "$dir")" ]] || { echo "pg-setup: $dir is not empty" >&2; exit 1; }
if [[ $(id -u) -eq 0 ]] && ! runuser -u nobody -- test -x "$(dirname "$dir")"; then
  echo "pg-setup: the server runs as nobody, who cannot reach $(dirname "$dir") (chmod o+x it)" >&2
  exit 1
fi
if [[ $(id -u) -eq 0 ]]; then
  chown nobody "$dir"
  chmod 700 "$dir"
fi
pwfile="$dir/pw"
printf '%s\n' "${KYT_PG_PASSWORD:-kyt-secret}" > "$pwfile"
[[ $(id -u) -eq 0 ]] && chown nobody "$pwfile"
if ! as_server "$bin/initdb" -D "$dir/cluster" -U kyt --pwfile="$pwfile" --auth=scram-sha-256 \
  -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1; then
  echo "pg-setup: initdb failed:" >&2
  cat "$dir/initdb.log" >&2
  exit 1
fi
rm -f "$pwfile"
# No TCP at all, so no port is taken; the socket lives in the private folder.
if ! as_server "$bin/pg_ctl" -D "$dir/cluster" -l "$dir/server.log" -w -t 60 \
  -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c fsync=off" start >/dev/null 2>&1; then
  echo "pg-setup: the server did not start:" >&2
  tail -n 20 "$dir/server.log" >&2 || true
  exit 1
fi
echo "$dir"
