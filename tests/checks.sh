# Sourced by the shell tests. `check DESCRIPTION COMMAND...` runs one check and
# reports it; a test may define on_failure, which is given the check's number.
# `finish` prints the totals and fails when any check failed.
failures=0 checks=0
check() {
  checks=$((checks + 1))
  if "${@:2}"; then echo "ok $checks - $1"; else
    failures=$((failures + 1)) && echo "not ok $checks - $1"
    if [ "$(type -t on_failure)" = function ]; then on_failure "$checks"; fi
  fi
}
finish() {
  echo "$((checks - failures)) passed, $failures failed"
  [ "$failures" -eq 0 ]
}
