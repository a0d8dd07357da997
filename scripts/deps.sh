#!/usr/bin/env bash
# Installs the Debian packages a task needs and the machine lacks.
#   scripts/deps.sh run|test|bench|package|install|qa
# Uses apt-get as root, or through sudo otherwise; does nothing when all is there.
set -euo pipefail

build=(cmake ninja-build g++ pkgconf qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libcanberra-dev libicu-dev
  fonts-dejavu-core)
x11=(xvfb xauth imagemagick x11-utils)
sound=(libcanberra-pulse sound-theme-freedesktop) # the bell through the desktop's sound server
package=(build-essential debhelper lintian blhc)
case "${1:-}" in
  run)
    wanted=("${build[@]}" "${sound[@]}")
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then wanted+=("${x11[@]}"); fi ;;
  install) wanted=("${build[@]}") ;;
  test) wanted=("${build[@]}" "${x11[@]}" "${package[@]}" "${sound[@]}" xdotool dbus-daemon python3-pyatspi e2fsprogs
                desktop-file-utils appstream file pulseaudio pulseaudio-utils weston qt6-wayland orca metacity) ;;
  bench) wanted=("${build[@]}" "${x11[@]}") ;;
  package) wanted=("${package[@]}" cmake pkgconf qt6-base-dev qt6-tools-dev qt6-l10n-tools libcanberra-dev libicu-dev) ;;
  qa) wanted=("${package[@]}" cmake pkgconf qt6-base-dev qt6-tools-dev qt6-l10n-tools libcanberra-dev libicu-dev git
              mmdebstrap uidmap reprotest disorderfs faketime diffoscope-minimal piuparts autopkgtest) ;;
  *) echo "usage: $0 run|test|bench|package|install|qa" >&2; exit 2 ;;
esac

missing=()
for name in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$name" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$name")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing the Debian packages this needs: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "These packages are missing, and installing them needs root or sudo: ${missing[*]}" >&2
  exit 1
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
