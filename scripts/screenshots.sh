#!/usr/bin/env bash
# Takes the README's screenshots on a virtual X server: the main window after
# a few moves, the instructions and the About window, at 100% and 200%, and
# the solved main window under a dark palette with a 12-point font (qt6ct),
# and the main and instructions windows in German.
#   scripts/screenshots.sh path/to/corvanthelix docs/
set -euo pipefail
game=$1
out=$2
work=$(mktemp -d)
trap 'kill "${game_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
. "$(dirname "$0")/xvfb.sh"
start_xvfb "$work" 1700x1800
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf 'Ann,7\nBob,12\nCleo,6\n' >"$XDG_DATA_HOME/Corvanthelix.txt"

window() { xdotool search --onlyvisible --name "^$1\$" | head -1; }
capture() { # title file
  local id; id=$(window "$1")
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$2"
}

for run in 1 2 de; do
  scale=$([ "$run" = 2 ] && echo 2 || echo 1)
  suffix=$(case "$run" in 2) echo "@2x" ;; de) echo "-de" ;; esac)
  language=$([ "$run" = de ] && echo de || echo en)
  LANGUAGE=$language QT_SCALE_FACTOR=$scale "$game" &
  game_pid=$!
  for _ in $(seq 100); do [ -n "$(window Corvanthelix)" ] && break; sleep 0.1; done
  eval "$(xdotool getwindowgeometry --shell "$(window Corvanthelix)")"
  top=$((Y + HEIGHT - 800 * scale))
  click() { xdotool mousemove $((X + $1 * scale)) $((top + $2 * scale)) click 1; sleep 0.2; }
  for well in 1 2 2 6 4 5; do click $((227 + (well - 1) % 3 * 41 + 20)) $((226 + (well - 1) / 3 * 41 + 20)); done
  sleep 0.8
  capture Corvanthelix "$out/main$suffix.png"
  click 212 415
  sleep 0.5
  capture "$([ "$run" = de ] && echo Anleitung || echo Instructions)" "$out/instructions$suffix.png"
  xdotool key Return
  sleep 0.5
  xdotool mousemove $((X + 15 * scale)) $((Y + (top - Y) / 2)) click 1
  sleep 0.3
  xdotool key Down Down Return
  sleep 0.5
  [ "$run" = de ] || capture ABOUT "$out/about$suffix.png"
  xdotool key ctrl+q
  wait "$game_pid" || true
done
# A dark desktop with larger text, as qt6ct gives it.
mkdir -p "$work/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n[Fonts]\ngeneral="DejaVu Sans,12,-1,5,50,0,0,0,0,0"\n' \
  >"$work/config/qt6ct/qt6ct.conf"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORMTHEME=qt6ct "$game" &
game_pid=$!
for _ in $(seq 100); do [ -n "$(window Corvanthelix)" ] && break; sleep 0.1; done
eval "$(xdotool getwindowgeometry --shell "$(window Corvanthelix)")"
side=$((WIDTH)) top=$((Y + HEIGHT - WIDTH))
for well in 1 2 2 6 4 5 5 9 6 7 7 9; do
  xdotool mousemove $((X + (247 + (well - 1) % 3 * 41) * side / 800)) $((top + (246 + (well - 1) / 3 * 41) * side / 800)) click 1
  sleep 0.2
done
sleep 0.8
capture Corvanthelix "$out/dark.png"
xdotool key ctrl+q
wait "$game_pid" || true
echo "Screenshots in $out"
