# Shared by the CUPS script tests: the scheduler's record of a job (asked
# as its owner: CUPS shows the job name only to the owner).
#   job_attrs QUEUE ID   all attributes of job ID as "name (type) = value" lines
#   job_attr ATTRS NAME  the value of one attribute from job_attrs' output
#   check_pages PDF N    N card-sized pages (243 x 153 pt within 1 pt, judged
#                        as shown: a converter may store them turned, see
#                        docs/surfaces.md); calls the test's fail otherwise
job_attrs() {
  local test
  test=$(mktemp)
  cat > "$test" <<'IPP'
{
  OPERATION Get-Job-Attributes
  GROUP operation-attributes-tag
  ATTR charset attributes-charset utf-8
  ATTR naturalLanguage attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR integer job-id $job_id
  ATTR name requesting-user-name $user
  ATTR keyword requested-attributes all
}
IPP
  ipptool -tv -d job_id="$2" "ipp://localhost/printers/$1" "$test" 2>&1
  rm -f "$test"
}
job_attr() {
  sed -n "s/^[[:space:]]*$2 ([^)]*) = //p" <<<"$1" | head -n1
}
check_pages() {
  local info pages w h rot t
  info=$(pdfinfo "$1") || fail "pdfinfo cannot read $1"
  pages=$(sed -n 's/^Pages:[[:space:]]*//p' <<<"$info")
  [[ "$pages" == "$2" ]] || fail "$1: expected $2 pages, got '$pages'"
  read -r w h < <(sed -n 's/^Page size:[[:space:]]*\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p' <<<"$info")
  rot=$(sed -n 's/^Page rot:[[:space:]]*//p' <<<"$info")
  if [[ "${rot:-0}" == 90 || "${rot:-0}" == 270 ]]; then t=$w; w=$h; h=$t; fi
  awk -v w="$w" -v h="$h" 'BEGIN { d1 = w - 243; d2 = h - 153; if (d1 < 0) d1 = -d1; if (d2 < 0) d2 = -d2; exit !(d1 <= 1.01 && d2 <= 1.01) }' \
    || fail "$1: page size $w x $h pt (rotation ${rot:-0}) is not 243 x 153 pt"
}
