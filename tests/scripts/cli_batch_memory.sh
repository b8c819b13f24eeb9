#!/usr/bin/env bash
# A batch of many distinct large photos stays within its photo bounds (the
# cache and the records read ahead, 64 MiB each): its peak memory does not
# grow with the number of photos in flight.
#   usage: cli_batch_memory.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_batch_memory "$@"
needs /usr/bin/python3
scratch
# 60 distinct 1400 x 1400 photos (7.5 MiB each decoded, small as files), one
# per record, and the peak resident memory of the batch in KiB.
peak=$(/usr/bin/python3 - "$kyt" "$src/examples/sample_card.tpl" "$tmp" <<'PY'
import resource, struct, subprocess, sys, zlib
kyt, tpl, tmp = sys.argv[1:4]
def png(path, shade, size=1400):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    row = b"\0" + bytes([shade, 255 - shade, shade // 2]) * size
    raw = zlib.compress(row * size, 9)
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)
    open(path, "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", raw) + chunk(b"IEND", b""))
with open(tmp + "/many.csv", "w") as csv:
    csv.write("FirstName,LastName,Image\n")
    for i in range(60):
        png("%s/p%d.png" % (tmp, i), i * 4)
        csv.write("N%d,L%d,p%d.png\n" % (i, i, i))
done = subprocess.run([kyt, "batch", tpl, "--csv", tmp + "/many.csv", "--allow-missing-fields",
                       "-o", tmp + "/many.pdf", "--quiet"], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
if done.returncode != 0:
    sys.exit("batch failed: " + done.stderr.decode())
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
PY
) || fail "$peak"
# 128 MiB of photos, one being drawn and the program itself; 60 photos in
# flight would be about 450 MiB more.
(( peak < 400 * 1024 )) || fail "the batch peaked at $((peak / 1024)) MiB"
echo "cli_batch_memory: ok (peak $((peak / 1024)) MiB)"
