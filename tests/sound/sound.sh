#!/usr/bin/env bash
# The solve is heard, once, on X11 and natively on Wayland: the game plays
# through a real sound server (PulseAudio with a null sink) on a virtual X
# server and on weston's headless compositor, solved through AT-SPI presses.
# Nothing is played at start.
#   sound.sh path/to/corvanthelix
set -uo pipefail
game=$1
. "$(dirname "$0")/../a11y/session.sh"
export PULSE_SERVER="unix:$work/sound-server"
pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
  --load="module-native-protocol-unix socket=$work/sound-server auth-anonymous=1" --load=module-null-sink 2>"$work/pulse.log" &
pids="$pids $!"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
check "the sound server answers" bash -c 'pactl info >/dev/null'
pactl subscribe >"$work/events" 2>&1 & pids="$pids $!"
sounds() { grep -c "'new' on sink-input" "$work/events"; }

weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 >"$work/weston.log" 2>&1 & pids="$pids $!"
for _ in $(seq 50); do [ -S "$work/run/wayland-test" ] && break; sleep 0.1; done

for platform in xcb wayland; do
  before=$(sounds)
  # On X11 under a file-size limit, which the sound server's client meets as
  # it sizes its shared memory: the game must not die of it.
  limit=$([ "$platform" = xcb ] && echo 64 || echo unlimited)
  QT_QPA_PLATFORM=$platform WAYLAND_DISPLAY=wayland-test bash -c 'ulimit -f "$1" && exec "$2"' - "$limit" "$game" 2>>"$work/game.log" &
  game_pid=$! && pids="$pids $game_pid"
  sleep 2
  check "$platform: nothing is heard at start" test "$(sounds)" -eq "$before"
  /usr/bin/python3 - "$(dirname "$0")/../a11y" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
import pyatspi
from a11y import find, game_frame, press, wait
wait(lambda: game_frame() is not None, 10)
tile = lambda n: find(game_frame(), pyatspi.ROLE_PUSH_BUTTON, f"Tile, row {(n - 1) // 3 + 1}, column {(n - 1) % 3 + 1}")
for n in (1, 2, 2, 6, 4, 5, 5, 9, 6, 7, 7, 9):
    press(tile(n))
PY
  for _ in $(seq 30); do [ "$(sounds)" -gt "$before" ] && break; sleep 0.1; done
  sleep 1 # and no second one
  check "$platform: the solve is heard once" test "$(sounds)" -eq $((before + 1))
  check "$platform: and the game lives on (file-size limit: $limit)" kill -0 "$game_pid"
  kill "$game_pid" && wait "$game_pid" 2>/dev/null
done
finish
