#!/usr/bin/env bash
# One grammar for the command line: every command's --help, its manual page
# and the completion scripts name exactly the options of its table
# (kytpreview-clidoc lists them); an option letter means one thing in every
# command; a mistyped command, option or action is answered with the closest
# valid one; the bash completion loads and completes commands, options, their
# values, templates and CUPS queues.
source "$(dirname "$0")/lib/cli_test.sh" cli_option_tables "$@"
scratch
clidoc="$build/app/kytpreview-clidoc"
man_dir="$build/app/man"
completion="$build/app/completion"
[[ -x "$clidoc" ]] || fail "$clidoc not built"

page() { # the roff source of a manual page, gzipped or not
  if [[ -f "$man_dir/$1.1.gz" ]]; then zcat "$man_dir/$1.1.gz"; else cat "$man_dir/$1.1"; fi
}
sorted() { tr ' ' '\n' | sed '/^$/d' | sort -u | tr '\n' ' '; }

# The command list.
listed=$("$kyt" --help | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }' | sorted)
tabled=$("$clidoc" commands | sorted)
[[ "$listed" == "$tabled" ]] || fail "kytpreview --help lists '$listed', the tables '$tabled'"
page kytpreview > "$tmp/kytpreview.roff" || fail "no kytpreview(1)"

for c in $tabled; do
  want=$("$clidoc" options "$c" | sorted)
  "$kyt" "$c" --help > "$tmp/help.txt" || fail "$c --help failed"
  grep -q "^Usage: kytpreview $c" "$tmp/help.txt" || fail "$c --help has no usage line"
  help=$(awk '/^Options:$/ { on = 1; next } on && /^$/ { on = 0 } on && /^  -/ { print }' "$tmp/help.txt" \
    | sed -E 's/^  //; s/  .*//' | grep -oE '(^|, )--?[a-z0-9][a-z0-9-]*' | sed 's/^, //' | sorted)
  [[ "$help" == "$want" ]] || fail "$c --help shows options '$help', its table '$want'"
  page "kytpreview-$c" > "$tmp/page.roff" || fail "no manual page kytpreview-$c"
  c_roff=${c//-/\\-}
  grep -qF "kytpreview\\-$c_roff \\- " "$tmp/page.roff" || fail "kytpreview-$c(1) has no NAME line"
  man=$(awk '/^\.SH OPTIONS/ { on = 1; next } /^\.SH/ { on = 0 } on && prev == ".TP" { print } { prev = $0 }' "$tmp/page.roff" \
    | sed 's/\\-/-/g; s/\\fI[^\\]*\\fR//g; s/\\fB//g; s/\\fR//g; s/,/ /g' | sorted)
  [[ "$man" == "$want" ]] || fail "kytpreview-$c(1) shows options '$man', its table '$want'"
  grep -qF "kytpreview\\-$c_roff" "$tmp/kytpreview.roff" || fail "kytpreview(1) does not name kytpreview-$c"
  for o in $want; do
    [[ $o == --* ]] || continue
    grep -q -- "-l ${o#--} " "$completion/kytpreview.fish" || fail "fish completion lacks $c $o"
    grep -q -- "'$o\\[\\|)$o\\[" "$completion/_kytpreview" || fail "zsh completion lacks $c $o"
  done
done

# The symbol types the barcode page lists are the ones the program knows.
"$kyt" barcode --symbol nonesuch X -o "$tmp/x.png" 2> "$tmp/err.txt"
known=$(sed -n "s/.*unknown symbol 'nonesuch' (\(.*\)).*/\1/p" "$tmp/err.txt" | tr -d ',' | sorted)
[[ -n "$known" ]] || fail "barcode --symbol nonesuch: $(cat "$tmp/err.txt")"
listed=$("$clidoc" options barcode >/dev/null; "$kyt" barcode --help | sed -n '/TYPE is one of:/,/GS1 type/p' | sed '1d;$d' | tr -d ',' | sorted)
[[ "$listed" == "$known" ]] || fail "barcode --help lists the types '$listed', the program knows '$known'"

# Manual pages format without a warning (when man is installed).
if command -v man >/dev/null; then
  for f in "$man_dir"/*.1*; do
    out=$(MANWIDTH=80 man --warnings -l "$f" 2>&1 >/dev/null)
    [[ -z "$out" ]] || fail "$(basename "$f"): $out"
  done
else
  echo "cli_option_tables: man not installed, manual pages not formatted"
fi

# Each option letter means one thing in every command.
letters=$(for c in $tabled; do "$kyt" "$c" --help | sed -nE 's/^  -([a-zA-Z]), --([a-z0-9-]+).*/\1 \2/p'; done | sort -u)
[[ -z $(cut -d' ' -f1 <<<"$letters" | uniq -d) ]] || fail "an option letter means two things: $letters"

# Typos are answered with the closest valid names.
cases=(
  "rendr|did you mean render"
  "info --jsn x.tpl|did you mean --json"
  "resave --bogus a b|unknown option --bogus"
  "settings lst KEY|did you mean list"
  "targets regster X Y|did you mean register"
  "printers lst|did you mean list"
  "printers list --offset 1,1|--offset goes with calibrate"
  "calibration-card --ouput x.pdf|did you mean --output"
  "render x.tpl --ouptut x.png|did you mean --output"
  "batch x.tpl --csv a.csv --rwos 1-2 -o x.pdf|did you mean --rows"
  "check x.tpl --verfy|did you mean --verify"
  "preview x.tpl --screnshot x.png|did you mean --screenshot"
  "print x.tpl --tilte T|did you mean --title"
  "print x.tpl --data|--data needs a value"
  "render|expected one template file"
)
for case in "${cases[@]}"; do
  args=${case%%|*}
  # shellcheck disable=SC2086
  "$kyt" $args > "$tmp/out.txt" 2> "$tmp/err.txt"
  rc=$?
  [[ $rc -eq 2 ]] || fail "kytpreview $args: exit $rc, expected 2"
  grep -qF -- "${case#*|}" "$tmp/err.txt" || fail "kytpreview $args said: $(cat "$tmp/err.txt")"
done
# print's old -o NAME=VALUE still means --option, with a one-line notice.
"$kyt" print "$tmp/none.tpl" -o job-priority=70 > /dev/null 2> "$tmp/err.txt"
[[ $(grep -c 'now spelled --option NAME=VALUE' "$tmp/err.txt") == 1 ]] || fail "no notice for print -o: $(cat "$tmp/err.txt")"
"$kyt" batch "$tmp/none.tpl" --csv "$tmp/none.csv" --printer Q -o job-priority=70 -o media=x > /dev/null 2> "$tmp/err.txt"
[[ $(grep -c 'now spelled --option NAME=VALUE' "$tmp/err.txt") == 1 ]] || fail "no notice for batch -o: $(cat "$tmp/err.txt")"
# A plain argument that starts with a minus sign is not an option.
"$kyt" settings set 'HKCU\Software\Probe' Level -1 || fail "a negative settings value was refused"
[[ "$("$kyt" settings get 'HKCU\Software\Probe' Level)" == "-1" ]] || fail "the negative value was not stored"

# bash completion: loads without a message and completes.
bash -n "$completion/kytpreview.bash" || fail "bash completion does not parse"
mkdir -p "$tmp/bin" "$tmp/files/sub"
printf '#!/bin/sh\necho CardPrinter\necho KYT_PDF\n' > "$tmp/bin/lpstat"
chmod +x "$tmp/bin/lpstat"
touch "$tmp/files/card.tpl" "$tmp/files/OLD.TPL" "$tmp/files/notes.txt" "$tmp/files/out.pdf"
complete_words() { # the words offered for the command line "$*" (the last word being completed)
  (cd "$tmp/files" && PATH="$tmp/bin:$PATH" bash --norc -c '
    source "$1" 2>&1 || exit 9
    shift
    COMP_WORDS=(kytpreview "$@"); COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))
    _kytpreview
    printf "%s\n" "${COMPREPLY[@]}"' _ "$completion/kytpreview.bash" "$@" | LC_ALL=C sort | tr '\n' ' ')
}
loaded=$(bash --norc -c 'source "$1" && complete -p kytpreview' _ "$completion/kytpreview.bash" 2>&1) \
  || fail "bash completion does not load: $loaded"
[[ "$loaded" == "complete -F _kytpreview kytpreview" ]] || fail "bash completion registered '$loaded'"
check_completion() { # EXPECTED WORDS...
  local want=$1 got
  shift
  got=$(complete_words "$@")
  [[ "$got" == "$want" ]] || fail "completing 'kytpreview $*' gave '$got', expected '$want'"
}
check_completion "render resave " re
check_completion "--data --delimiter --dpi " render card.tpl --d
check_completion "auto utf-8 windows-1252 " render card.tpl --encoding ""
check_completion "CardPrinter KYT_PDF " print card.tpl --printer ""
check_completion "calibrate " printers cal
check_completion "CardPrinter " printers show Ca
check_completion "OLD.TPL card.tpl sub " info ""
check_completion "out.pdf sub " render card.tpl -o ""
for shell in zsh fish; do
  if command -v "$shell" >/dev/null; then
    "$shell" -n "$completion/$([[ $shell == zsh ]] && echo _kytpreview || echo kytpreview.fish)" \
      || fail "$shell completion does not parse"
  else
    echo "cli_option_tables: $shell not installed, its completion script not parsed"
  fi
done
echo "cli_option_tables: ok"
