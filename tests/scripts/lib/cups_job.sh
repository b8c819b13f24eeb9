# Shared by the CUPS script tests: the scheduler's record of a job (asked
# as its owner: CUPS shows the job name only to the owner).
#   job_attrs QUEUE ID   all attributes of job ID as "name (type) = value" lines
#   job_attr ATTRS NAME  the value of one attribute from job_attrs' output
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
