#!/usr/bin/env bash
# Checks that every translation is complete and current: no entry unfinished,
# obsolete or vanished, and nothing new or gone when lupdate reads the
# sources again.
#   check.sh LUPDATE SOURCE TS...
set -uo pipefail
lupdate=$1
source=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for ts in "$@"; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  (cd "$source" && "$lupdate" -silent -locations none -no-obsolete src assets/translatedesktop.cpp -ts "$work/$name") >/dev/null
  stale=$(grep -c -E 'type="(unfinished|obsolete|vanished)"' "$work/$name")
  if [ "$stale" -eq 0 ] && cmp -s "$ts" "$work/$name"; then
    echo "ok - $name is complete and current"
  else
    echo "not ok - $name: $stale entries unfinished, obsolete or vanished against the sources"
    diff "$ts" "$work/$name" | head -20
    failures=$((failures + 1))
  fi
done
echo "$(($# - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
