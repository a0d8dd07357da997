#!/usr/bin/env bash
# Builds the Debian source and binary packages from a copy of the source, so
# that the work tree stays clean, and checks them with lintian as Debian's QA
# reads them: pedantic, with the informational tags; and the build log with blhc.
#   scripts/package.sh OUTDIR   ->  OUTDIR/corvanthelix_VERSION_ARCH.deb, its -dbgsym, the .dsc and .tar.xz
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
rm -rf "$out/src" "$out"/*.deb "$out"/*.ddeb "$out"/*.buildinfo "$out"/*.changes "$out"/*.dsc "$out"/*.tar.xz
mkdir -p "$out/src"
# What git knows of, as it stands in the work tree: never a build folder.
(cd "$source" && git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf -) | tar -C "$out/src" -xf -
(cd "$out/src" && dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1 \
  || { tail -40 "$out/build.log" >&2; echo "The package build failed; the whole log is $out/build.log" >&2; exit 1; }
rm -rf "$out/src"
# Nothing at all, but for overrides with their reasons in debian/*.lintian-overrides,
# and one tag that an override cannot carry: one source builds on Debian 12 and
# 13, so Standards-Version is the newest that 12's lintian knows (it calls a
# newer one unknown); 13's, knowing a newer policy, asks for that one instead.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic \
  --suppress-tags out-of-date-standards-version "$out"/*.changes
blhc --debian "$out/build.log"
ls "$out"/*.deb
