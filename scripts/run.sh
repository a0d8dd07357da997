#!/usr/bin/env bash
# Starts the game. Without a display it runs on a virtual X server instead,
# saves a screenshot and exits, so that `./build.sh run` works on a headless machine.
#   scripts/run.sh path/to/corvanthelix
set -euo pipefail
game=$1

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$game"
fi

shot="$(cd "$(dirname "$game")" && pwd)/corvanthelix-screenshot.png"
echo "No display is set, so the game starts on a virtual X server (Xvfb) and a screenshot is saved instead."
work=$(mktemp -d)
trap 'kill "${game_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
. "$(dirname "$0")/xvfb.sh"
start_xvfb "$work" 1024x900
[ -n "${XDG_RUNTIME_DIR:-}" ] || { export XDG_RUNTIME_DIR="$work/runtime"; mkdir -m 700 "$XDG_RUNTIME_DIR"; }
"$game" &
game_pid=$!
for _ in $(seq 100); do
  xwininfo -name Corvanthelix >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1 # the first tick fills the sums
geometry=$(xwininfo -name Corvanthelix | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
  /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')
import -window root -crop "$geometry" +repage "$shot"
echo "Screenshot: $shot"
