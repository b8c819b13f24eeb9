#!/usr/bin/env bash
# A batch of many distinct large photos stays within its photo bounds (the
# cache and the records read ahead, 64 MiB each): its peak memory does not
# grow with the number of photos in flight.
#   usage: cli_batch_memory.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_batch_memory "$@"
needs /usr/bin/python3 convert
scratch
# 40 distinct 2000 x 2000 photos (15 MiB each decoded, small as files), one
# per record, 25 cards of each (so the reading runs ahead of the drawing),
# and the peak resident memory of the batch in KiB.
echo "FirstName,LastName,Image" > "$tmp/many.csv"
for i in $(seq 0 39); do
  convert -size 2000x2000 "xc:rgb($((i * 6)),100,50)" -quality 80 "$tmp/p$i.jpg" || fail "convert failed"
  echo "N$i,L$i,p$i.jpg" >> "$tmp/many.csv"
done
peak=$(/usr/bin/python3 - "$kyt" "$src/examples/sample_card.tpl" "$tmp" <<'PY'
import resource, subprocess, sys
kyt, tpl, tmp = sys.argv[1:4]
done = subprocess.run([kyt, "batch", tpl, "--csv", tmp + "/many.csv", "--allow-missing-fields",
                       "-o", tmp + "/many.pdf", "--copies", "25", "--quiet"],
                      stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
if done.returncode != 0:
    sys.exit("batch failed: " + done.stderr.decode())
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
PY
) || fail "$peak"
# 128 MiB of photos, one being drawn and the program itself (about 150 MiB
# here); without the bound the photos read ahead took 250 MiB more.
(( peak < 260 * 1024 )) || fail "the batch peaked at $((peak / 1024)) MiB"
echo "cli_batch_memory: ok (peak $((peak / 1024)) MiB)"
