# Sourced by the tests that play the game in a desktop session of their own:
# runs the test again inside a session bus of its own, then gives it a work
# folder (removed at exit, with every process named in $pids killed), the
# data, runtime and configuration folders in it, a virtual X server and the
# accessibility bus a screen reader uses.
#   . session.sh "$@"
if [ -z "${OWN_SESSION:-}" ]; then exec env OWN_SESSION=1 dbus-run-session -- "$0" "$@"; fi
here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
pids=
trap 'kill $pids 2>/dev/null; rm -rf "$work"' EXIT
. "$here/../checks.sh"
. "$here/../../scripts/xvfb.sh"
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
export LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # the checks read English
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME LANGUAGE
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
start_xvfb "$work" 1280x1024
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids="$xvfb_pid $!"
