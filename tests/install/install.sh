#!/usr/bin/env bash
# Installs into a scratch prefix and builds the Debian package, then checks
# that each file stands where the freedesktop conventions put it, that the
# desktop entry and the AppStream file validate, and that the package states
# its dependencies and installs a binary whose libraries all resolve.
#   install.sh BUILD OUTDIR
set -uo pipefail
build=$1
out=$2
rm -rf "$out" && mkdir -p "$out"
id=io.github.corvanthelix.Corvanthelix
failures=0
checks=0
check() {
  checks=$((checks + 1))
  if "${@:2}"; then echo "ok $checks - $1"; else echo "not ok $checks - $1"; failures=$((failures + 1)); fi
}

prefix="$out/prefix"
cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1
check "cmake --install succeeds" test $? -eq 0
for file in bin/corvanthelix share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
            share/icons/hicolor/256x256/apps/$id.png; do
  check "installs $file" test -s "$prefix/$file"
done
check "the desktop entry validates" desktop-file-validate "$prefix/share/applications/$id.desktop"
check "the desktop entry is a logic game" grep -qx 'Categories=Game;LogicGame;' "$prefix/share/applications/$id.desktop"
check "the AppStream file validates" appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
check "the AppStream file has release 2.2.0" grep -q 'release version="2.2.0"' "$prefix/share/metainfo/$id.metainfo.xml"
check "the 48 pixel icon is 48 pixels" test "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/48x48/apps/$id.png")" = 48x48

(cd "$build" && cpack -G DEB -B "$out/package") >"$out/cpack.log" 2>&1
check "cpack makes a .deb" test $? -eq 0
deb=$(ls "$out"/package/*.deb 2>/dev/null | head -1)
check "the package is named and versioned" test "$(dpkg-deb -f "$deb" Package Version 2>/dev/null | tr '\n' ' ')" = "Package: corvanthelix Version: 2.2.0 "
depends=$(dpkg-deb -f "$deb" Depends 2>/dev/null)
check "the package depends on Qt's widgets, not a bundled copy" grep -q 'libqt6widgets6' <<<"$depends"
check "the package depends on the platform plugins" grep -q 'qt6-qpa-plugins' <<<"$depends"
check "the package bundles no Qt library" bash -c "! dpkg-deb -c '$deb' | grep -q 'libQt6'"
root="$out/root"
dpkg-deb -x "$deb" "$root" 2>/dev/null
check "the package installs /usr/bin/corvanthelix" test -x "$root/usr/bin/corvanthelix"
check "the package installs the desktop entry" test -s "$root/usr/share/applications/$id.desktop"
check "every library of the installed binary resolves" bash -c "! ldd '$root/usr/bin/corvanthelix' | grep -q 'not found'"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
