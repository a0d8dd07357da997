#!/usr/bin/env bash
# Builds Corvanthelix and runs it, tests it, measures it, packages it or
# installs it, or runs Debian's QA on the package. Each task first installs
# the Debian packages it lacks (apt-get, through sudo when not root), the
# compiler and build tools included.
#   ./build.sh run | test | bench | package | install [PREFIX] | qa [EARLIER_COMMIT]
set -euo pipefail
cd "$(dirname "$0")"
build=${BUILD:-build}
task=${1:-}
case "$task" in
  run | test | bench | package | install | qa) ;;
  *) echo "usage: $0 run | test | bench | package | install [PREFIX] | qa [EARLIER_COMMIT]" >&2; exit 2 ;;
esac
scripts/deps.sh "$task"

configure() { # folder, cmake options...
  local folder=$1
  shift
  # A build folder made by another generator cannot be reused by Ninja.
  if [ -f "$folder/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$folder/CMakeCache.txt"; then
    rm -rf "$folder"
  fi
  if [ ! -f "$folder/build.ninja" ]; then
    cmake -S . -B "$folder" -G Ninja "$@" >"$folder.configure.log" 2>&1 \
      || { cat "$folder.configure.log" >&2; exit 1; }
    rm -f "$folder.configure.log"
  fi
}

compile() { # targets...
  configure "$build" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$build" --target "$@" -- --quiet
}

case "$task" in
  run)
    compile corvanthelix
    exec scripts/run.sh "$build/src/app/corvanthelix" ;;
  test)
    compile all
    ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
    # The unit tests once more under AddressSanitizer and UndefinedBehaviorSanitizer,
    # where reading past a buffer fails instead of passing by luck.
    configure "$build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANTHELIX_SANITIZE=ON -DCORVANTHELIX_BENCH=OFF
    cmake --build "$build-sanitize" --target tst_puzzle tst_scorefile tst_scoretable tst_windows -- --quiet
    ASAN_OPTIONS=detect_leaks=0 ctest --test-dir "$build-sanitize" -R '^tst_' --output-on-failure -j"$(nproc)" ;;
  bench)
    compile all
    exec bench/run.sh "$build" ;;
  package)
    exec scripts/package.sh "$build/package" ;;
  qa)
    exec scripts/qa.sh "$build/qa" "${@:2}" ;;
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
