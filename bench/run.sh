#!/usr/bin/env bash
# Prints the benchmark figures: start-up against a bare Qt window (offscreen
# and under Xvfb), the CPU an idle game uses, and the main window's score
# table at 1M and 10M lines. `./build.sh bench` builds in Release and runs this.
#   bench/run.sh BUILD [RUNS]      IDLE_SECONDS=60 by default
set -euo pipefail
build=$1
runs=${2:-31}
idle=${IDLE_SECONDS:-60}
bench="$build/bench"
game="$build/src/app/corvanthelix"
work=$(mktemp -d)
trap 'kill ${pids:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_DATA_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS LANGUAGE
export LC_ALL=C.UTF-8

echo "machine:    $(uname -srm), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores"
echo "Qt:         $("$bench/bench_startup" --qt-version)"
echo "build type: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")"
echo

QT_QPA_PLATFORM=offscreen "$bench/bench_startup" "$runs" 2>/dev/null
echo

. "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb "$work" 1280x1024
pids=$xvfb_pid
mkdir -p "$work/big"
"$bench/bench_scores" --write "$work/big/Corvanthelix.txt" 10000000
BENCH_BIG_DATA="$work/big" QT_QPA_PLATFORM=xcb "$bench/bench_startup" "$runs" 2>/dev/null
echo

# Idle: the untouched game, beside a bare window and a bare window with an
# empty 500 ms timer (what waking twice a second costs).
cpu_ms() { awk '{ print $1 / 1e6 }' "/proc/$1/schedstat"; } # nanoseconds on the CPU
wakeups() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'; }
QT_QPA_PLATFORM=xcb "$game" 2>/dev/null &
game_pid=$!
QT_QPA_PLATFORM=xcb "$bench/bench_startup" --child bare --stay >/dev/null 2>&1 &
bare_pid=$!
QT_QPA_PLATFORM=xcb "$bench/bench_startup" --child bare --tick >/dev/null 2>&1 &
tick_pid=$!
pids="$pids $game_pid $bare_pid $tick_pid"
sleep 3
g0=$(cpu_ms $game_pid) b0=$(cpu_ms $bare_pid) t0=$(cpu_ms $tick_pid)
gw0=$(wakeups $game_pid) bw0=$(wakeups $bare_pid) tw0=$(wakeups $tick_pid)
sleep "$idle"
g1=$(cpu_ms $game_pid) b1=$(cpu_ms $bare_pid) t1=$(cpu_ms $tick_pid)
gw1=$(wakeups $game_pid) bw1=$(wakeups $bare_pid) tw1=$(wakeups $tick_pid)
awk -v g0="$g0" -v g1="$g1" -v b0="$b0" -v b1="$b1" -v t0="$t0" -v t1="$t1" -v s="$idle" \
    -v gw=$((gw1 - gw0)) -v bw=$((bw1 - bw0)) -v tw=$((tw1 - tw0)) 'BEGIN {
  g = (g1 - g0) * 60 / s; b = (b1 - b0) * 60 / s; t = (t1 - t0) * 60 / s
  printf "idle, xcb, over %d s         bare window  bare + 500 ms timer   game\n", s
  printf "  CPU per minute (ms)   %12.2f %15.2f %10.2f\n", b, t, g
  printf "  wake-ups per minute   %12.0f %15.0f %10.0f\n", bw * 60 / s, tw * 60 / s, gw * 60 / s }'
echo

echo "score table in the main window, medians of $runs rounds; names repeat, then nearly all differ"
for lines in 1000000 10000000; do
  for kind in repeated distinct; do
    QT_QPA_PLATFORM=offscreen "$bench/bench_scores" "$lines" "$runs" "$kind" 2>/dev/null
  done
done
echo
echo "a player's order, one process each: what each action costs the whole process, against its budget"
over=0
for run in "1000000" "10000000" "1000000 distinct" "10000000 distinct"; do
  # shellcheck disable=SC2086 # the size and the kind are two words
  QT_QPA_PLATFORM=offscreen "$bench/bench_scores" --player $run 2>/dev/null || over=1
done
[ "$over" = 0 ] && echo "  every budget met" || echo "  a budget was not met (OVER above)"
echo
QT_QPA_PLATFORM=offscreen "$bench/bench_scores" --quit 10000000 2>/dev/null
QT_QPA_PLATFORM=offscreen "$bench/bench_scores" --numbers 1000000 "$runs" 2>/dev/null
