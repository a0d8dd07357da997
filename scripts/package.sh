#!/usr/bin/env bash
# Builds the Debian source and binary packages as a sponsor would: the
# upstream tarball made from the tree (what git knows of, as it stands in the
# work tree, without debian/), reproducibly, then the package built from it
# in a folder of its own, so that the work tree stays clean. lintian reads the
# result as Debian's QA does, pedantic and with the informational tags, and
# blhc the build log.
#   scripts/package.sh OUTDIR   ->  OUTDIR/corvanthelix_VERSION_ARCH.deb, its -dbgsym, the .dsc,
#                                   the .orig.tar.xz and the .debian.tar.xz
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
upstream=${version%-*}
tree="$out/corvanthelix-$upstream"
rm -rf "$tree" "$out"/*.deb "$out"/*.ddeb "$out"/*.buildinfo "$out"/*.changes "$out"/*.dsc "$out"/*.tar.xz

# The same tree gives the same bytes: names sorted, one owner, no modes but
# the executable bit, every time stamp the changelog's, xz on one thread.
epoch=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)
(cd "$source" && git ls-files -z --cached --others --exclude-standard | grep -z -v '^debian/') \
  | tar -C "$source" --null -T - --transform "s,^,corvanthelix-$upstream/," --sort=name --format=posix \
      --pax-option=exthdr.name=%d/PaxHeaders/%f,delete=atime,delete=ctime --mtime="@$epoch" \
      --owner=0 --group=0 --numeric-owner --mode='a+rX,u+w,go-w' -cf - \
  | xz -9 -T1 >"$out/corvanthelix_$upstream.orig.tar.xz"

tar -C "$out" -xf "$out/corvanthelix_$upstream.orig.tar.xz"
cp -a "$source/debian" "$tree/"
(cd "$tree" && dpkg-buildpackage -us -uc) >"$out/build.log" 2>&1 \
  || { tail -40 "$out/build.log" >&2; echo "The package build failed; the whole log is $out/build.log" >&2; exit 1; }
rm -rf "$tree"
# Nothing at all, but for overrides with their reasons in debian/*lintian-overrides,
# and one tag that an override cannot carry: one source builds on Debian 12 and
# 13, so Standards-Version is the newest that 12's lintian knows (it calls a
# newer one unknown); 13's, knowing a newer policy, asks for that one instead.
lintian --pedantic --display-info --display-experimental --fail-on error,warning,info,pedantic \
  --suppress-tags out-of-date-standards-version "$out"/*.changes
blhc --debian "$out/build.log"
ls "$out"/*.deb
