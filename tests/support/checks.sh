# Sourced by the end-to-end scripts: each check is counted, and the script
# ends with one line of counts, which test.sh and a reader look for.
#   check NAME COMMAND...   runs COMMAND; "ok   NAME" or "FAIL NAME"
#   finish LABEL            "LABEL: N passed, M failed"; true when none failed
passed=0
failed=0

check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   $name"
  else
    failed=$((failed + 1))
    echo "FAIL $name"
  fi
}

finish() {
  echo "$1: $passed passed, $failed failed"
  [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}
