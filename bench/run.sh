#!/usr/bin/env bash
# Prints the benchmark figures: start-up against a bare Qt window (offscreen
# and under Xvfb), the CPU an idle game uses, and the score file at 10k, 100k
# and 1M lines. `make bench` builds in Release and runs this.
#   bench/run.sh BUILD [RUNS]      IDLE_SECONDS=60 by default
set -euo pipefail
build=$1
runs=${2:-11}
idle=${IDLE_SECONDS:-60}
bench="$build/bench"
game="$build/src/app/corvanthelix"
work=$(mktemp -d)
trap 'kill ${pids:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

echo "machine:    $(uname -srm), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores"
echo "Qt:         $("$bench/bench_startup" --qt-version)"
echo "build type: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")"
echo

QT_QPA_PLATFORM=offscreen "$bench/bench_startup" "$runs" 2>/dev/null
echo

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
QT_QPA_PLATFORM=xcb "$bench/bench_startup" "$runs" 2>/dev/null
echo

# Idle: the game with its watch ticking, and the bare window, side by side.
cpu_ms() { awk '{ print $1 / 1e6 }' "/proc/$1/schedstat"; } # nanoseconds on the CPU
QT_QPA_PLATFORM=xcb "$game" 2>/dev/null &
game_pid=$!
QT_QPA_PLATFORM=xcb "$bench/bench_startup" --child bare --stay >/dev/null 2>&1 &
bare_pid=$!
pids="$pids $game_pid $bare_pid"
sleep 3
game_before=$(cpu_ms $game_pid) bare_before=$(cpu_ms $bare_pid)
sleep "$idle"
game_after=$(cpu_ms $game_pid) bare_after=$(cpu_ms $bare_pid)
awk -v g0="$game_before" -v g1="$game_after" -v b0="$bare_before" -v b1="$bare_after" -v s="$idle" 'BEGIN {
  printf "idle, xcb, over %d s                  bare window      game\n", s
  printf "  CPU per minute (ms)            %12.2f %9.2f\n", (b1 - b0) * 60 / s, (g1 - g0) * 60 / s }'
echo

QT_QPA_PLATFORM=offscreen "$bench/bench_scores" 2>/dev/null
