#!/usr/bin/env bash
# Outputs replace only regular files: a named pipe, a socket (or a link to
# one) under the output's name is refused with the reason before anything
# is written, and stays what it was. Through a link to a regular file, the
# file is replaced and the link kept.
#   usage: cli_output_nodes.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_output_nodes "$@"
needs /usr/bin/python3 timeout mkfifo
scratch
tpl="$src/examples/sample_card.tpl"
printf 'FirstName,LastName\nAnn,Lee\n' > "$tmp/c.csv"
mkfifo "$tmp/pipe.out"
/usr/bin/python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$tmp/sock.out" \
  || fail "no socket could be made"
# Each node under the names the outputs take (a hard link and a symbolic one).
for node in pipe sock; do
  test_kind=$([[ $node == pipe ]] && echo "a named pipe (FIFO)" || echo "a socket")
  for ext in tpl png pdf; do
    ln "$tmp/$node.out" "$tmp/$node.$ext" || fail "no link to $test_kind"
    ln -s "$tmp/$node.out" "$tmp/$node-link.$ext"
  done
  for out in "$tmp/$node.tpl" "$tmp/$node-link.tpl"; do
    timeout 60 "$kyt" resave "$tpl" "$out" 2> "$tmp/err"; rc=$?
    [[ $rc == 1 ]] || fail "resave over $test_kind ($out): exit $rc"
    grep -q "is $test_kind, not a regular file" "$tmp/err" || fail "resave over $test_kind: $(cat "$tmp/err")"
  done
  for cmd in "render $tpl -o $tmp/$node.png" "render $tpl -o $tmp/$node-link.pdf" \
             "batch $tpl --csv $tmp/c.csv --allow-missing-fields -o $tmp/$node.pdf --quiet" \
             "calibration-card -o $tmp/$node-link.pdf"; do
    # shellcheck disable=SC2086
    timeout 60 "$kyt" $cmd > /dev/null 2> "$tmp/err"; rc=$?
    [[ $rc == 1 ]] || fail "'$cmd': exit $rc"
    grep -q "not a regular file" "$tmp/err" || fail "'$cmd': $(cat "$tmp/err")"
  done
done
[[ -p "$tmp/pipe.out" && -p "$tmp/pipe.png" ]] || fail "a named pipe was replaced"
[[ -S "$tmp/sock.out" && -S "$tmp/sock.pdf" ]] || fail "a socket was replaced"
[[ -z "$(find "$tmp" -name '*.part')" ]] || fail "a partial file was left"

# A link to a regular file: the file gets the card, the link stays a link.
printf 'old' > "$tmp/real.tpl"
ln -s "$tmp/real.tpl" "$tmp/link.tpl"
"$kyt" resave "$tpl" "$tmp/link.tpl" || fail "resave through a link failed"
[[ -L "$tmp/link.tpl" ]] || fail "the link was replaced by a file"
cmp -s "$tmp/real.tpl" "$tpl" || fail "the linked file does not hold the card"
echo "cli_output_nodes: ok"
