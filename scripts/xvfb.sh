# Sourced by the scripts and tests that need a display: starts a virtual X
# server of their own and points DISPLAY at it, with QT_QPA_PLATFORM=xcb so
# that an inherited "offscreen" cannot hide the windows.
#   start_xvfb WORK WIDTHxHEIGHT [LOG]   sets xvfb_pid; WORK holds the display number
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp -noreset 3>"$1/display" 2>"${3:-/dev/null}" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$1/display")" QT_QPA_PLATFORM=xcb
}
