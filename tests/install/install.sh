#!/usr/bin/env bash
# Builds the Debian package as `./build.sh package` does, lintian included,
# and checks what it installs: each file where the freedesktop and Debian
# conventions put it (the build itself validates the desktop entry and the
# AppStream file), a stripped hardened binary whose libraries all resolve and
# that answers --version without a display.
#   install.sh SOURCE OUTDIR
set -uo pipefail
source=$1
out=$2
rm -rf "$out" && mkdir -p "$out"
id=io.github.corvanthelix.corvanthelix
. "$(dirname "$0")/../checks.sh"

check "the package builds and lintian finds no error or warning" "$source/scripts/package.sh" "$out"
deb=$(ls "$out"/corvanthelix_*.deb 2>/dev/null | head -1)
check "the build ran the unit tests and validated the desktop entry and AppStream file" \
  grep -q -z -E '100% tests passed.*desktop-file-validate.*appstreamcli validate.*Validation was successful' "$out/build.log"
check "a debug symbols package comes with it" test -n "$(ls "$out"/corvanthelix-dbgsym_*.*deb 2>/dev/null)"
check "the package is named, versioned and a game" \
  test "$(dpkg-deb -f "$deb" Package Version Section 2>/dev/null | tr '\n' ' ')" = "Package: corvanthelix Version: 2.2.0-1 Section: games "
depends=$(dpkg-deb -f "$deb" Depends 2>/dev/null)
check "it depends on Qt's widgets and the platform plugins" grep -q 'libqt6widgets6.*qt6-qpa-plugins' <<<"$depends"
root="$out/root"
dpkg-deb -x "$deb" "$root" 2>/dev/null
for file in usr/games/corvanthelix usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
            usr/share/man/man6/corvanthelix.6.gz usr/share/doc/corvanthelix/copyright; do
  check "installs /$file" test -s "$root/$file"
done
check "the 48 pixel icon is 48 pixels" \
  test "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/48x48/apps/$id.png")" = 48x48
game="$root/usr/games/corvanthelix"
check "the binary is stripped" bash -c "file '$game' | grep -q ', stripped'"
check "the binary binds now, as hardening asks" bash -c "readelf -d '$game' | grep -q 'FLAGS.*BIND_NOW'"
check "every library of the binary resolves" bash -c "! ldd '$game' | grep -q 'not found'"
check "--version answers without a display" \
  test "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" --version)" = "Corvanthelix 2.2.0"
unreachable=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:65000 "$game" 2>&1; echo "status $?")
check "an unreachable display gives one sentence and status 1, not an abort" \
  test "$(wc -l <<<"$unreachable") $(tail -n 1 <<<"$unreachable")" = "2 status 1"

finish
