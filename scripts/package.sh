#!/usr/bin/env bash
# Builds the Debian package from a copy of the source, so that the work tree
# stays clean, and checks it with lintian.
#   scripts/package.sh OUTDIR   ->  OUTDIR/corvanthelix_VERSION_ARCH.deb and its -dbgsym
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
rm -rf "$out/src" "$out"/*.deb "$out"/*.ddeb "$out"/*.buildinfo "$out"/*.changes
mkdir -p "$out/src"
tar -C "$source" --exclude=./build --exclude=./.git -cf - . | tar -C "$out/src" -xf -
(cd "$out/src" && dpkg-buildpackage -b -us -uc) >"$out/build.log" 2>&1 \
  || { tail -40 "$out/build.log" >&2; echo "The package build failed; the whole log is $out/build.log" >&2; exit 1; }
rm -rf "$out/src"
lintian --fail-on error,warning "$out"/*.changes
ls "$out"/*.deb
