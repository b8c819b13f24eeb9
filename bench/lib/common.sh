# Shared by the bench scripts: timed runs, the peer's folder, the summary.
#   source "$(dirname "$0")/../lib/common.sh"

# The peer's benchmark folder: the --peer argument, else PEER_DIR, else the
# first shared/peers/glabels found walking up from the repository.
find_peer() {
  local given=$1 dir
  if [[ -n "$given" ]]; then echo "$given"; return; fi
  if [[ -n "${PEER_DIR:-}" ]]; then echo "$PEER_DIR"; return; fi
  dir=$src
  while [[ "$dir" != / ]]; do
    if [[ -d "$dir/shared/peers/glabels" ]]; then echo "$dir/shared/peers/glabels"; return; fi
    dir=$(dirname "$dir")
  done
}

machine() {
  local cpu
  cpu=$(awk -F': ' '/^model name/{print $2; exit}' /proc/cpuinfo)
  echo "host: $(nproc) cores ($cpu), $(awk '/MemTotal/{printf "%.1f GiB", $2/1048576}' /proc/meminfo);" \
    "load before: $(cut -d' ' -f1-3 /proc/loadavg); $(. /etc/os-release && echo "$PRETTY_NAME");" \
    "commit $(git -C "$src" log -1 --format=%h 2>/dev/null || echo '?')"
}

# timed TAG N CMD... : one run under /usr/bin/time; appends
# "tag n wall_s rss_kb cpu_s" to results.tsv (cpu = user + system).
timed() {
  local tag=$1 n=$2; shift 2
  /usr/bin/time -v -o time.txt "$@" > log.txt 2>&1 || { cat log.txt >&2; echo "run failed: $*" >&2; exit 1; }
  local wall rss cpu
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/{n=split($2,a,":"); s=0; for(i=1;i<=n;i++) s=s*60+a[i]; print s}' time.txt)
  rss=$(awk -F': ' '/Maximum resident set size/{print $2}' time.txt)
  cpu=$(awk -F': ' '/User time/{u=$2} /System time/{s=$2} END{print u+s}' time.txt)
  printf '%s\t%s\t%s\t%s\t%s\n' "$tag" "$n" "$wall" "$rss" "$cpu" >> results.tsv
}

# quick TAG N CMD... : wall time only, to the microsecond, for commands of a
# few milliseconds (no time(1) process in between); RSS and CPU are not taken.
quick() {
  local tag=$1 n=$2; shift 2
  local t0 t1
  t0=$(date +%s%N)
  "$@" > log.txt 2>&1 || { cat log.txt >&2; echo "run failed: $*" >&2; exit 1; }
  t1=$(date +%s%N)
  printf '%s\t%s\t%s\t0\t0\n' "$tag" "$n" "$(awk -v a="$t0" -v b="$t1" 'BEGIN{printf "%.6f", (b-a)/1e9}')" >> results.tsv
}

# Medians with min and max per tag; cores = CPU time / wall time.
summary() {
  /usr/bin/python3 - results.tsv "${1:-}" <<'PYEOF'
import statistics as st, sys
rows = [l.rstrip("\n").split("\t") for l in open(sys.argv[1]) if l.strip()]
g = {}
for tag, n, wall, rss, cpu in rows:
    g.setdefault((tag, int(n)), []).append((float(wall), int(rss), float(cpu)))
print(f"{'variant':16} {'N':>6} {'runs':>4} {'median s':>9} {'min s':>7} {'max s':>7} {'items/s':>8} {'RSS MiB':>8} {'cores':>6}")
for (tag, n), v in g.items():
    w = [x[0] for x in v]
    m = st.median(w)
    cores = st.median(x[2] / x[0] for x in v if x[0] > 0) if any(x[0] > 0 for x in v) else 0
    print(f"{tag:16} {n:6d} {len(v):4d} {m:9.4f} {min(w):7.4f} {max(w):7.4f} {n / m if m else 0:8.0f} "
          f"{st.median(x[1] for x in v) / 1024:8.1f} {cores:6.2f}")
ref = sys.argv[2]
if ref:
    a, b = ref.split(":")
    ka = [k for k in g if k[0] == a]; kb = [k for k in g if k[0] == b]
    if ka and kb:
        pa = st.median(x[0] for x in g[ka[0]]); pb = st.median(x[0] for x in g[kb[0]])
        print(f"\n{a} / {b}, medians of the same run: {pa / pb:.1f}x")
PYEOF
}
