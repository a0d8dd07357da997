#!/usr/bin/env bash
# Starts the game on its own X server and session bus, with the
# accessibility bus a screen reader uses, and runs a11y.py against it.
#   a11y.sh path/to/corvanthelix
set -uo pipefail
if [ -z "${A11Y_OWN_BUS:-}" ]; then
  exec env A11Y_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
game=$1
work=$(mktemp -d)
trap 'kill $game_pid $bus_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb "$work" 1280x1024
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME LANGUAGE
export LC_ALL=C.UTF-8 # the checks read English
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir "$XDG_DATA_HOME"
printf 'Ann,7\nZoe,9\n' >"$XDG_DATA_HOME/Corvanthelix.txt"
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
bus_pid=$!
sleep 0.5
"$game" 2>"$work/game.log" &
game_pid=$!
# A focus change is spoken only in the active window.
xdotool search --sync --onlyvisible --name "^Corvanthelix$" windowfocus --sync
/usr/bin/python3 "$(dirname "$0")/a11y.py"
