#!/usr/bin/env bash
# Plays the real program on its own X server with real X input, and checks
# what a player would see. One Xvfb for the whole run; screenshots of every
# failed check are kept in OUTDIR.
#   e2e.sh path/to/corvanthelix OUTDIR
set -uo pipefail
game=$1
out=$2
rm -rf "$out" && mkdir -p "$out"
work=$(mktemp -d)
failures=0
checks=0
game_pid=

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$out/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR WAYLAND_DISPLAY
scores="$XDG_DATA_HOME/Corvanthelix.txt"

shot() { import -window root "$1"; }

check() { # description, command...
  local description=$1; shift
  checks=$((checks + 1))
  if "$@"; then
    echo "ok $checks - $description"
  else
    failures=$((failures + 1))
    echo "not ok $checks - $description"
    shot "$out/failed-$checks.png"
  fi
}

visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }

wait_until() { # tenths of a second, command...
  local tenths=$1; shift
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  "$@"
}

shown() { [ -n "$(visible_window "$1")" ]; }
not_shown() { [ -z "$(visible_window "$1")" ]; }

start_game() {
  "$game" 2>>"$out/game.log" &
  game_pid=$!
  wait_until 100 shown Corvanthelix || return 1
  main=$(visible_window Corvanthelix)
  eval "$(xdotool getwindowgeometry --shell "$main")"
  win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
  top=$((win_y + win_h - 800)) # the content area sits below the menu bar
  left=$win_x
}

game_ended_with() { # status
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then
    shot "$out/still-running.png"
    kill "$game_pid"
    wait "$game_pid" 2>/dev/null
    game_pid=
    return 1
  fi
  wait "$game_pid"
  local status=$?
  game_pid=
  [ "$status" -eq "$1" ]
}

click() { # content x y
  xdotool mousemove $((left + $1)) $((top + $2)) click 1
  sleep 0.15
}

well_x() { echo $((227 + ($1 - 1) % 3 * 41 + 20)); }
well_y() { echo $((226 + ($1 - 1) / 3 * 41 + 20)); }
click_well() { click "$(well_x "$1")" "$(well_y "$1")"; }

crop() { # file x y w h (content coordinates) -> out file
  convert "$1" -crop "$4x$5+$((left + $2))+$((top + $3))" +repage "$6"
}

count_colour() { # file colour fuzz%
  convert "$1" -fuzz "$3%" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

ink() { # file: pixels darker than light grey
  convert "$1" -colorspace gray -threshold 80% -negate -format '%[fx:round(mean*w*h)]' info:
}

same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = "0" ]; }

# --- the main window -------------------------------------------------------
check "the game opens its main window" start_game
check "the window is 800 wide, 800 high below its menu bar" test "$win_w" -eq 800 -a "$win_h" -gt 800 -a "$win_h" -lt 860

shot "$work/opening.png"
crop "$work/opening.png" 227 226 40 40 "$work/tile.png"
blue_sums_after_tick() {
  shot "$work/tick.png"
  crop "$work/tick.png" 357 233 27 33 "$work/sum1.png"
  [ "$(count_colour "$work/sum1.png" '#3C20CF' 25)" -gt 5 ]
}
check "the first tick fills the blue sums" wait_until 20 blue_sums_after_tick

# --- solving by real clicks --------------------------------------------------
for pair in "1 2" "2 6" "4 5" "5 9" "6 7" "7 9"; do
  set -- $pair
  click_well "$1"
  click_well "$2"
done
done_shown() {
  shot "$work/solved.png"
  crop "$work/solved.png" 384 392 100 32 "$work/done.png"
  [ "$(count_colour "$work/done.png" '#FF0000' 12)" -gt 40 ]
}
check "six interchanges solve the board and DONE shows within a second" wait_until 10 done_shown
all_wells_finished() {
  local well
  crop "$work/solved.png" 227 226 40 40 "$work/finish.png"
  same_picture "$work/finish.png" "$work/tile.png" && return 1
  for well in 2 3 4 5 6 7 8 9; do
    crop "$work/solved.png" $(($(well_x $well) - 20)) $(($(well_y $well) - 20)) 40 40 "$work/well.png"
    same_picture "$work/well.png" "$work/finish.png" || return 1
  done
}
check "all nine wells show the same finish picture" all_wells_finished

# --- entering the score --------------------------------------------------------
click 266 508
xdotool type --delay 30 "Ann, B"
sleep 0.2
click 252 462
check "Enter Score appends exactly the line" test "$(cat "$scores" 2>/dev/null)" = "Ann, B,6"
shot "$work/entered.png"
crop "$work/entered.png" 386 450 110 16 "$work/row1.png"
check "the score shows as a row in the table" test "$(ink "$work/row1.png")" -gt 20

# --- New Game ----------------------------------------------------------------------
click 305 415
sleep 0.7
shot "$work/dealt.png"
crop "$work/dealt.png" 227 226 40 40 "$work/dealt-well.png"
check "New Game brings the tiles back" same_picture "$work/dealt-well.png" "$work/tile.png"
crop "$work/dealt.png" 227 226 122 122 "$work/grid-before.png"
click 305 415
sleep 0.2
shot "$work/again.png"
crop "$work/again.png" 227 226 122 122 "$work/grid-after.png"
check "New Game is disabled until the board is solved" same_picture "$work/grid-before.png" "$work/grid-after.png"

# --- Instructions and Back --------------------------------------------------------------
click 212 415
check "Instructions shows the instructions window" wait_until 20 shown Instructions
check "and hides the main window" wait_until 20 not_shown Corvanthelix
xdotool windowfocus --sync "$(visible_window Instructions)" 2>/dev/null
xdotool key Return
check "Return presses Back: the main window returns" wait_until 20 shown Corvanthelix
check "and the instructions window is hidden" wait_until 20 not_shown Instructions

# --- About from the File menu, twice ------------------------------------------------
choose_about() {
  xdotool windowfocus --sync "$(visible_window Corvanthelix)" 2>/dev/null
  xdotool mousemove $((win_x + 15)) $((win_y + (top - win_y) / 2)) click 1
  sleep 0.3
  xdotool key Down Down Return
  sleep 0.3
}
choose_about
check "About from the File menu shows the About window" wait_until 20 shown ABOUT
choose_about
check "choosing About again keeps one About window" test "$(xdotool search --onlyvisible --name '^ABOUT$' | wc -l)" -eq 1
check "the game still runs beside it" shown Corvanthelix

# --- Ctrl+Q, and the score is back at the next start ------------------------------------
xdotool windowfocus --sync "$(visible_window Corvanthelix)" 2>/dev/null
xdotool key ctrl+q
check "Ctrl+Q ends the program with status 0" game_ended_with 0

check "the game starts again" start_game
shot "$work/restart.png"
crop "$work/restart.png" 386 450 110 16 "$work/row1-again.png"
crop "$work/restart.png" 386 468 110 16 "$work/row2-again.png"
check "the entered score is the table's one row" test "$(ink "$work/row1-again.png")" -gt 20 -a "$(ink "$work/row2-again.png")" -eq 0

click 212 415
check "Instructions after the restart" wait_until 20 shown Instructions
xdotool windowfocus --sync "$(visible_window Instructions)" 2>/dev/null
xdotool key ctrl+q
check "Ctrl+Q quits from the instructions window too" game_ended_with 0

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
