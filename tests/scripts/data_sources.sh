#!/usr/bin/env bash
# One fixture as CSV, data stream, SQLite and PostgreSQL (photos as files,
# as BLOB and as BYTEA): batch, render and check give the same cards from
# each. Sources that cannot be read fail with one line naming the reason.
# PostgreSQL runs on a private server (scripts/pg-setup.sh); when it cannot
# start, that part says so and the test is skipped after the others passed.
#   usage: data_sources.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" data_sources "$@"
needs pdftoppm pdfinfo python3
scratch
tpl="$src/examples/sample_card.tpl"
cp "$src/examples/sample_photo.png" "$tmp/"
pages() { pdfinfo "$1" | sed -n 's/^Pages:[[:space:]]*//p'; }
# The pages of a PDF as pictures, one checksum per page.
rasters() { rm -rf "$tmp/r"; mkdir "$tmp/r"; pdftoppm -r 40 -png "$1" "$tmp/r/p" && md5sum "$tmp/r"/*.png | cut -d' ' -f1; }

printf '%s\n' "FirstName,LastName,Company,Host,BadgeNo,ValidUntil,Image" \
  "Maria,Lee,Acme,Jo Park,V-1,2027-01-31,sample_photo.png" \
  "Renée,Müller,\"Berg, Sons\",Jo Park,V-2,2027-02-28," \
  "Ole,Berg,Acme,Ann Roe,V-3,2027-03-31,sample_photo.png" > "$tmp/people.csv"
printf 'FirstName\x01Maria\x02LastName\x01Lee\x02Company\x01Acme\x02Host\x01Jo Park\x02BadgeNo\x01V-1\x02ValidUntil\x012027-01-31\x02Image\x01sample_photo.png\x02' > "$tmp/one.data"
# The same rows with the photo's bytes in the table; $1: SQL for the rows.
python3 - "$tmp" <<'PY' || fail "python3 could not write the fixtures"
import sqlite3, sys
tmp = sys.argv[1]
photo = open(f"{tmp}/sample_photo.png", "rb").read()
rows = [("Maria", "Lee", "Acme", "Jo Park", "V-1", "2027-01-31", photo),
        ("Renée", "Müller", "Berg, Sons", "Jo Park", "V-2", "2027-02-28", None),
        ("Ole", "Berg", "Acme", "Ann Roe", "V-3", "2027-03-31", photo)]
db = sqlite3.connect(f"{tmp}/people.db")
db.execute("CREATE TABLE people (FirstName TEXT, LastName TEXT, Company TEXT, Host TEXT, BadgeNo TEXT, ValidUntil TEXT, Image BLOB)")
db.executemany("INSERT INTO people VALUES (?,?,?,?,?,?,?)", rows)
db.execute("CREATE TABLE other (x TEXT)")
db.commit()
with open(f"{tmp}/people.sql", "w", encoding="utf-8") as f:
    f.write("CREATE TABLE people (firstname text, lastname text, company text, host text, badgeno text, validuntil text, image bytea);\n")
    for r in rows:
        vals = ", ".join("'" + v.replace("'", "''") + "'" for v in r[:6])
        img = "NULL" if r[6] is None else "decode('" + r[6].hex() + "', 'hex')"
        f.write(f"INSERT INTO people VALUES ({vals}, {img});\n")
PY

batch() { "$kyt" batch "$tpl" -o "$tmp/$1.pdf" --quiet "${@:2}" > /dev/null 2> "$tmp/err" || fail "$1: batch failed: $(cat "$tmp/err")"; }
batch csv --csv "$tmp/people.csv"
# Looking for a photo column the designer remembered makes no settings store.
[[ ! -e "$KYT_REGISTRY" ]] || fail "a batch made a settings store"
want=$(rasters "$tmp/csv.pdf")
[[ $(wc -l <<<"$want") == 6 ]] || fail "the CSV batch gave $(pages "$tmp/csv.pdf") pages, not 6"
want13=$(sed -n '1,2p;5,6p' <<<"$want")

# kind | batch arguments | the CSV pages they must equal
cases=(
  "csv source|--source csv:$tmp/people.csv|all"
  "plain path|--source $tmp/people.csv|all"
  "data stream|--source data:$tmp/one.data|first"
  "sqlite table|--source sqlite:$tmp/people.db?table=people|all"
  "sqlite query|--source sqlite:$tmp/people.db --query SELECT * FROM people WHERE BadgeNo <> 'V-2' ORDER BY BadgeNo|13"
)
run_case() {
  local name="$1" args="$2" which="$3" expected got
  local -a argv
  read -ra argv <<<"${args%% --query *}"
  [[ "$args" == *" --query "* ]] && argv+=(--query "${args#* --query }")
  batch "$name" "${argv[@]}"
  got=$(rasters "$tmp/$name.pdf")
  case "$which" in all) expected="$want" ;; first) expected=$(head -n2 <<<"$want") ;; 13) expected="$want13" ;; esac
  [[ "$got" == "$expected" ]] || fail "$name: its pages differ from the CSV's"
}
for c in "${cases[@]}"; do IFS='|' read -r name args which <<<"$c"; run_case "$name" "$args" "$which"; done

# One record: render from a database equals render from the CSV.
"$kyt" render "$tpl" --csv "$tmp/people.csv" --row 3 -o "$tmp/csv3.png" 2> "$tmp/err" || fail "render --csv: $(cat "$tmp/err")"
"$kyt" render "$tpl" --source "sqlite:$tmp/people.db?table=people" --row 3 -o "$tmp/db3.png" 2> "$tmp/err" || fail "render --source: $(cat "$tmp/err")"
cmp -s "$tmp/csv3.png" "$tmp/db3.png" || fail "render of record 3 differs between CSV and SQLite"
"$kyt" check "$tpl" --source "sqlite:$tmp/people.db?table=people" > "$tmp/out" 2>&1 || fail "check --source sqlite: $(cat "$tmp/out")"
grep -q 'ok   records: 3 records' "$tmp/out" || fail "check did not count 3 records: $(cat "$tmp/out")"

# A photo column named otherwise: --photo-column, or the column the designer
# was given for the template (said on standard error), prints what the
# CSV prints; without either the photo's field is missing.
sed '1s/,Image$/,Picture/' "$tmp/people.csv" > "$tmp/pictures.csv"
"$kyt" batch "$tpl" --csv "$tmp/pictures.csv" -o "$tmp/nocol.pdf" > /dev/null 2> "$tmp/err" \
  && fail "a CSV without the photo's column printed"
grep -q "Image" "$tmp/err" || fail "the missing photo column was not named: $(cat "$tmp/err")"
batch column --csv "$tmp/pictures.csv" --photo-column Picture
[[ $(rasters "$tmp/column.pdf") == "$want" ]] || fail "--photo-column Picture: its pages differ from the CSV's"
grep -q "chosen for this template" "$tmp/err" && fail "--photo-column was said to come from the designer"
"$kyt" settings set 'Software\KYT\KYT Central\Designer\Data Sources\Photo Columns' "$tpl" Picture > /dev/null \
  || fail "cannot remember a photo column"
batch remembered --csv "$tmp/pictures.csv"
[[ $(rasters "$tmp/remembered.pdf") == "$want" ]] || fail "the remembered photo column: its pages differ from the CSV's"
grep -q "photos from the column Picture" "$tmp/err" || fail "the remembered column was not said: $(cat "$tmp/err")"
"$kyt" render "$tpl" --csv "$tmp/pictures.csv" --row 3 -o "$tmp/pic3.png" 2> "$tmp/err" || fail "render with the remembered column: $(cat "$tmp/err")"
"$kyt" render "$tpl" --csv "$tmp/people.csv" --row 3 -o "$tmp/csv3.png" --photo-column Image 2> "$tmp/err" || fail "render --photo-column Image: $(cat "$tmp/err")"
cmp -s "$tmp/pic3.png" "$tmp/csv3.png" || fail "render of record 3 differs with the photo column named otherwise"
"$kyt" settings delete 'Software\KYT\KYT Central\Designer\Data Sources\Photo Columns' "$tpl" > /dev/null

# Unreadable sources: exit 1 (2 for a URL that names none), one line with the reason.
expect_error() {
  local code="$1" text="$2"
  shift 2
  "$kyt" batch "$tpl" -o "$tmp/bad.pdf" "$@" > /dev/null 2> "$tmp/err"
  local rc=$?
  [[ $rc == "$code" ]] || fail "$* exited $rc, not $code: $(cat "$tmp/err")"
  grep -qF -- "$text" "$tmp/err" || fail "$*: no \"$text\" in: $(cat "$tmp/err")"
  [[ $(wc -l < "$tmp/err") == 1 ]] || fail "$*: more than one line: $(cat "$tmp/err")"
  [[ ! -e "$tmp/bad.pdf" ]] || fail "$*: wrote its PDF"
}
expect_error 1 "missing.db: no such file" --source "sqlite:$tmp/missing.db?table=people"
expect_error 1 "name a table (?table=NAME) or a query" --source "sqlite:$tmp/people.db"
expect_error 1 'there is no table "nobody"' --source "sqlite:$tmp/people.db?table=nobody"
expect_error 1 "the query failed" --source "sqlite:$tmp/people.db" --query "SELEC * FROM people"
expect_error 1 "the query failed" --source "sqlite:$tmp/people.db" --query "DELETE FROM people"
expect_error 2 'unknown parameter "tabel"' --source "sqlite:$tmp/people.db?tabel=people"
expect_error 1 "cannot connect" --source "postgresql://kyt@$(python3 -c 'import sys,urllib.parse;print(urllib.parse.quote(sys.argv[1],safe=""))' "$tmp")/kyt?table=people"
python3 -c "import sqlite3; print(sqlite3.connect('$tmp/people.db').execute('SELECT count(*) FROM people').fetchone()[0])" | grep -qx 3 \
  || fail "a refused DELETE changed the database"

# PostgreSQL on a private server.
mkdir "$tmp/pg"
chmod o+x "$tmp" # the server may run as another user (nobody, when run as root)
bash "$src/scripts/pg-setup.sh" start "$tmp/pg" > /dev/null 2> "$tmp/pgerr"
rc=$?
if [[ $rc != 0 ]]; then
  echo "data_sources: SKIPPED the PostgreSQL part: no server could be started ($(tail -n1 "$tmp/pgerr"))" >&2
  exit 77
fi
trap 'bash "$src/scripts/pg-setup.sh" stop "$tmp/pg"; rm -rf "$tmp"' EXIT
export PGPASSWORD=kyt-secret
psql -q -h "$tmp/pg" -U kyt -d postgres -c "CREATE DATABASE cards" > /dev/null || fail "cannot create the database"
psql -q -h "$tmp/pg" -U kyt -d cards -f "$tmp/people.sql" > /dev/null || fail "cannot load the table"
host=$(python3 -c 'import sys,urllib.parse;print(urllib.parse.quote(sys.argv[1],safe=""))' "$tmp/pg")
run_case "postgresql table" "--source postgresql://kyt@$host/cards?table=people" all
run_case "postgresql query" "--source postgresql://kyt@$host/cards --query SELECT * FROM people WHERE badgeno <> 'V-2' ORDER BY badgeno" 13
"$kyt" check "$tpl" --source "postgresql://kyt@$host/cards?table=people" > "$tmp/out" 2>&1 || fail "check --source postgresql: $(cat "$tmp/out")"
PGPASSWORD=wrong expect_error 1 "password authentication failed" --source "postgresql://kyt@$host/cards?table=people"
expect_error 1 'relation "nobody" does not exist' --source "postgresql://kyt@$host/cards" --query "SELECT * FROM nobody"
expect_error 1 "read-only transaction" --source "postgresql://kyt@$host/cards" --query "DELETE FROM people RETURNING *"
exit 0
