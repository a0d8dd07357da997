#!/usr/bin/env bash
# Installs the Debian packages a task needs and the machine lacks.
#   scripts/deps.sh build|run|test|bench
# Uses apt-get as root, or through sudo otherwise; does nothing when all is there.
set -euo pipefail

build=(cmake make g++ qt6-base-dev fonts-dejavu-core)
x11=(xvfb xauth imagemagick x11-utils)
case "${1:-build}" in
  build) wanted=("${build[@]}") ;;
  run)
    wanted=("${build[@]}")
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then wanted+=("${x11[@]}"); fi ;;
  test) wanted=("${build[@]}" "${x11[@]}" xdotool e2fsprogs desktop-file-utils appstream dpkg-dev file) ;;
  bench) wanted=("${build[@]}" "${x11[@]}") ;;
  *) echo "usage: $0 build|run|test|bench" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing the Debian packages this needs: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "These packages are missing and there is no sudo to install them: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
