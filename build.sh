#!/usr/bin/env bash
# Builds Corvanthelix and runs it, tests it, measures it, packages it or
# installs it. Each task first installs the Debian packages it lacks
# (apt-get, through sudo when not root), the compiler and build tools included.
#   ./build.sh run | test | bench | package | install [PREFIX]
set -euo pipefail
cd "$(dirname "$0")"
build=${BUILD:-build}
task=${1:-}
case "$task" in
  run | test | bench | package | install) ;;
  *) echo "usage: $0 run | test | bench | package | install [PREFIX]" >&2; exit 2 ;;
esac
scripts/deps.sh "$task"

compile() { # targets...
  # A build folder made by another generator cannot be reused by Ninja.
  if [ -f "$build/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$build/CMakeCache.txt"; then
    rm -rf "$build"
  fi
  if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$build.configure.log" 2>&1 \
      || { cat "$build.configure.log" >&2; exit 1; }
    rm -f "$build.configure.log"
  fi
  cmake --build "$build" --target "$@" -- --quiet
}

case "$task" in
  run)
    compile corvanthelix
    exec scripts/run.sh "$build/src/app/corvanthelix" ;;
  test)
    compile all
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)" ;;
  bench)
    compile all
    exec bench/run.sh "$build" ;;
  package)
    exec scripts/package.sh "$build/package" ;;
  install)
    prefix=${2:-/usr/local}
    compile corvanthelix
    # The nearest folder that exists decides whether sudo is needed.
    existing=$prefix
    while [ ! -d "$existing" ]; do existing=$(dirname "$existing"); done
    as_root=()
    if [ ! -w "$existing" ] && [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
    "${as_root[@]}" cmake --install "$build" --prefix "$prefix" ;;
esac
