#!/usr/bin/env bash
# Plays the real program on its own X server with real X input, and checks
# what a player would see. Screenshots of failed checks are kept in OUTDIR.
#   e2e.sh path/to/corvanthelix OUTDIR
set -uo pipefail
game=$1
out=$2
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
game_pid=
trap 'kill $game_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT

. "$(dirname "$0")/../checks.sh"
. "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb "$work" 1280x1024 "$out/xvfb.log"
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME LANGUAGE
export LC_ALL=C.UTF-8 # the checks read English

on_failure() { import -window root "$out/failed-$1.png"; }
window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }
hidden() { [ -z "$(window "$1")" ]; }
within() { # tenths of a second, command...
  for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done
  "${@:2}"
}
start_game() {
  "$game" 2>>"$out/game.log" &
  game_pid=$!
  within 100 shown Corvanthelix || return 1
  eval "$(xdotool getwindowgeometry --shell "$(window Corvanthelix)")"
  left=$X top=$((Y + HEIGHT - 800)) # the content area sits below the menu bar
  [ "$WIDTH" -eq 800 ] && [ "$HEIGHT" -gt 800 ] && [ "$HEIGHT" -lt 860 ]
}
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
ended_with() { # status
  within 50 gone || { kill "$game_pid"; return 1; }
  wait "$game_pid"
  local status=$?
  game_pid=
  [ "$status" -eq "$1" ]
}
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; sleep 0.15; }
click_well() { click $((247 + ($1 - 1) % 3 * 41)) $((246 + ($1 - 1) / 3 * 41)); }
shot() { import -window root "$work/screen.png"; }
crop() { convert "$work/screen.png" -crop "$3x$4+$((left + $1))+$((top + $2))" +repage "$work/$5.png"; }
colour() { # picture colour: pixels of about that colour
  convert "$work/$1.png" -fuzz 20% -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
ink() { convert "$work/$1.png" -colorspace gray -threshold 80% -negate -format '%[fx:round(mean*w*h)]' info:; }
same() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = 0 ]; }
sums_filled() { shot; crop 357 233 27 33 sum; [ "$(colour sum '#3C20CF')" -gt 5 ]; }
done_shown() { shot; crop 384 392 100 32 done; [ "$(colour done '#FF0000')" -gt 40 ]; }
finished() { ! same finish tile && same finish finish9; }
swapped() { hidden "$1" && shown "$2"; } # hidden window, shown window
first_row() { shot; crop 386 450 110 16 row1; crop 386 468 110 16 row2; [ "$(ink row1)" -gt 20 ] && [ "$(ink row2)" -eq 0 ]; }

check "the game opens an 800 by 800 window below its menu bar" start_game
shot && crop 227 226 40 40 tile
check "the first tick fills the blue sums" within 20 sums_filled

for well in 1 2 2 6 4 5 5 9 6 7 7 9; do click_well "$well"; done
check "six interchanges solve the board and DONE shows within a second" within 10 done_shown
crop 227 226 40 40 finish && crop 309 308 40 40 finish9
check "the wells show the finish picture" finished

click 266 508 && xdotool type --delay 30 "Ann, B" && sleep 0.2 && click 252 462
scored() { test "$(cat "$XDG_DATA_HOME/Corvanthelix.txt" 2>/dev/null)" = "Ann, B,6"; }
check "Enter Score appends exactly the line" within 50 scored
check "and the score shows as the table's row" first_row

tiles_back() { shot; crop 227 226 40 40 dealt; same dealt tile; }
steps_moved() { shot; crop 312 148 100 20 "steps$1"; ! same "steps$1" "steps$(($1 - 1))"; }
click 305 415
check "New Game brings the tiles back" within 20 tiles_back
crop 312 148 100 20 steps0
# A swap makes one step; a New Game that took the click would make it none again.
click_well 1 && click_well 2 && within 20 steps_moved 1
click 305 415 && click_well 3 && click_well 4
check "New Game stays disabled until the board is solved: the steps go on to 2" within 20 steps_moved 2

click 212 415
check "Instructions hides the main window and shows the instructions" within 20 swapped Corvanthelix Instructions
xdotool windowfocus --sync "$(window Instructions)" 2>/dev/null
xdotool key Return
check "Return presses Back: the main window returns, the instructions go" within 20 swapped Instructions Corvanthelix
click 212 415
within 20 shown Instructions && xdotool windowfocus --sync "$(window Instructions)" 2>/dev/null
xdotool key KP_Enter && sleep 0.5
check "the keypad's Enter presses no button in the instructions" shown Instructions
xdotool key Escape
check "Escape goes back too" within 20 swapped Instructions Corvanthelix

choose_about() {
  xdotool windowfocus --sync "$(window Corvanthelix)" 2>/dev/null
  xdotool mousemove $((left + 15)) $((top - 10)) click 1 && sleep 0.3 && xdotool key Down Down Return && sleep 0.3
}
choose_about
check "About from the File menu shows the About window, beside the game" within 20 shown ABOUT

xdotool windowfocus --sync "$(window Corvanthelix)" 2>/dev/null && xdotool key ctrl+q
check "Ctrl+Q ends the program with status 0" ended_with 0
check "the game starts again" start_game
check "the entered score is the table's one row" within 10 first_row

click 212 415
within 20 shown Instructions && xdotool windowfocus --sync "$(window Instructions)" 2>/dev/null && xdotool key ctrl+q
check "Ctrl+Q quits from the instructions window too" ended_with 0

# A data folder whose name is not UTF-8 is refused, in a message that Ctrl+Q
# closes along with the game.
export XDG_DATA_HOME=$work/caf$'\xe9'
mkdir "$XDG_DATA_HOME" && echo "Ann,7" >"$XDG_DATA_HOME/Corvanthelix.txt"
start_game && within 50 shown "Scores not read" && xdotool windowfocus --sync "$(window "Scores not read")" 2>/dev/null
xdotool key ctrl+q
check "a data folder Qt cannot name is told of, and Ctrl+Q quits from the message" ended_with 0
export XDG_DATA_HOME=$work/data

# With no thread to be had, a big score file is read on the game's own thread.
cp "$game" "$work/limited" && chmod 755 "$work" && printf 'Big,1\n%.0s' $(seq 200000) >"$work/Corvanthelix.txt"
as_user=() && [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
# threadless COMMAND...: becomes the command, with one task allowed its user
threadless() { XDG_DATA_HOME=$work QT_QPA_PLATFORM=offscreen exec "${as_user[@]}" bash -c 'ulimit -u 1 && exec "$@"' - "$@"; }
if ! (threadless bash -c 'sleep 0 & wait') 2>/dev/null; then
  threadless "$work/limited" 2>>"$out/game.log" &
  game_pid=$! && sleep 3
  check "a big score file with no thread to be had still opens the game" kill -0 "$game_pid"
  kill "$game_pid" && check "and it ends when asked" ended_with 143
fi

finish
