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
. "$(dirname "$0")/../checks.sh"
on_failure() { echo "$stale entries unfinished, obsolete or vanished against the sources"; diff "$ts" "$work/$name" | head -20; }
for ts in "$@"; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  plurals=() && [[ $name == *_en.ts ]] && plurals=(-pluralonly) # English has its plural forms only
  (cd "$source" && "$lupdate" -silent -locations none -no-obsolete "${plurals[@]}" src assets/translatedesktop.cpp -ts "$work/$name") >/dev/null
  stale=$(grep -c -E 'type="(unfinished|obsolete|vanished)"' "$work/$name")
  check "$name is complete and current" bash -c '[ "$1" -eq 0 ] && cmp -s "$2" "$3"' - "$stale" "$ts" "$work/$name"
done
finish
