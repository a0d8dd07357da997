#!/usr/bin/env bash
# Starts the game in a desktop session of its own and runs a11y.py against it.
#   a11y.sh path/to/corvanthelix
set -uo pipefail
game=$1
. "$(dirname "$0")/session.sh"
# Enough rows that a client listing every cell would stall the game.
{ printf 'Ann,7\nZoe,9\n' && yes 'Pat,5' | head -n 300000; } >"$XDG_DATA_HOME/Corvanthelix.txt"
sleep 0.5
"$game" 2>"$work/game.log" & pids="$pids $!"
xdotool search --sync --onlyvisible --name "^Corvanthelix$" windowfocus --sync
/usr/bin/python3 "$(dirname "$0")/a11y.py"
