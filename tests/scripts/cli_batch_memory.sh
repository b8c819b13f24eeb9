#!/usr/bin/env bash
# A batch of many distinct large photos stays within its photo bounds (the
# cache and the records read ahead, 64 MiB each): its peak memory does not
# grow with the number of photos in flight. Nor does it grow with the cards
# of a batch with its own small JPEG photo on every card (pages joined as
# they come, photos kept as their files).
#   usage: cli_batch_memory.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_batch_memory "$@"
needs /usr/bin/python3 convert pdfimages
scratch
# 40 distinct 2000 x 2000 photos (15 MiB each decoded, small as files), one
# per record, 25 cards of each (so the reading runs ahead of the drawing),
# and the peak resident memory of the batch in KiB.
echo "FirstName,LastName,Image" > "$tmp/many.csv"
for i in $(seq 0 39); do
  convert -size 2000x2000 "xc:rgb($((i * 6)),100,50)" -quality 80 "$tmp/p$i.jpg" || fail "convert failed"
  echo "N$i,L$i,p$i.jpg" >> "$tmp/many.csv"
done
# peak CSV [BATCH OPTION...]: the batch's peak resident memory in KiB
peak() {
  /usr/bin/python3 - "$kyt" "$src/examples/sample_card.tpl" "$@" <<'PY'
import resource, subprocess, sys
kyt, tpl, csv = sys.argv[1:4]
done = subprocess.run([kyt, "batch", tpl, "--csv", csv, "--allow-missing-fields",
                       "-o", csv + ".pdf", "--quiet"] + sys.argv[4:],
                      stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
if done.returncode != 0:
    sys.exit("batch failed: " + done.stderr.decode())
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
PY
}
peak=$(peak "$tmp/many.csv" --copies 25) || fail "$peak"
# 128 MiB of photos, one being drawn and the program itself (about 150 MiB
# here); without the bound the photos read ahead took 250 MiB more.
(( peak < 260 * 1024 )) || fail "the batch peaked at $((peak / 1024)) MiB"

# 3,000 and 12,000 cards, each with a photo file of its own (links to one
# 200 x 250 JPEG: every card's photo is stored in the document). Two threads
# whatever the machine. Memory levels off once the parts have grown to their
# full size and the heap to its working size (by about 3,000 cards); after
# that only the join's few bytes an object remain. The joined document's
# object table once cost 14 KB a page (126 MiB more here).
mkdir "$tmp/own"
convert -size 200x250 gradient:navy-orange -quality 85 "$tmp/own/p.jpg" || fail "convert failed"
echo "FirstName,LastName,Image" > "$tmp/own.csv"
for i in $(seq 1 12000); do
  ln "$tmp/own/p.jpg" "$tmp/own/p$i.jpg" || fail "ln failed"
  echo "N$i,L$i,own/p$i.jpg" >> "$tmp/own.csv"
done
head -n 3001 "$tmp/own.csv" > "$tmp/own3000.csv"
small=$(KYT_JOBS=2 peak "$tmp/own3000.csv") || fail "$small"
large=$(KYT_JOBS=2 peak "$tmp/own.csv") || fail "$large"
pictures=$(pdfimages -list "$tmp/own.csv.pdf" | awk 'NR > 2 && $4 == 200 && $5 == 250 && $9 == "jpeg" { print $11 }' | sort -u | wc -l)
[[ $pictures == 12000 ]] || fail "the 12,000 cards hold $pictures photos"
(( large - small < 12 * 1024 )) || fail "3,000 cards peaked at $((small / 1024)) MiB, 12,000 at $((large / 1024)) MiB"
echo "cli_batch_memory: ok (peak $((peak / 1024)) MiB; 3,000 cards $((small / 1024)) MiB, 12,000 $((large / 1024)) MiB)"
