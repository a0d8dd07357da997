#!/usr/bin/env bash
# The checks Debian's QA runs on a package, each of which proves one thing:
#   lintian and blhc   the package and its build log are clean, read pedantically, hardening flags included
#   reprotest          two builds, varied in build path, time, time zone, locale, umask, file order, kernel,
#                      host name and number of CPUs, give byte-identical .debs
#   piuparts           in a fresh Debian 12 root the package installs, installs over the package of an
#                      earlier commit, and purges leaving nothing behind
#   autopkgtest        debian/tests pass against the package built from source in fresh Debian 12 and 13 roots
# The fresh roots are made once and kept in OUTDIR/roots. piuparts runs as root (through sudo).
#   scripts/qa.sh OUTDIR [EARLIER_COMMIT]      the earlier commit is HEAD~1 unless given
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
earlier=$(git -C "$source" rev-parse --verify "${2:-HEAD~1}^{commit}")
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
step() { printf '\n== %s\n' "$*"; }

step "lintian and blhc"
"$source/scripts/package.sh" "$out/package"

step "fresh Debian roots"
# autopkgtest's unshare backend maps the user's ids onto subordinate ones;
# root has none by default.
if ! grep -q "^$(id -un):" /etc/subuid || ! grep -q "^$(id -un):" /etc/subgid; then
  echo "Giving $(id -un) subordinate ids 1000000-1065535, for the roots' user namespaces"
  "${as_root[@]}" usermod --add-subuids 1000000-1065535 --add-subgids 1000000-1065535 "$(id -un)"
fi
mkdir -p "$out/roots"
for root in bookworm.tar trixie.tar bookworm-minbase.tar.gz; do
  suite=${root%%[.-]*}
  variant=$([ "$root" = bookworm-minbase.tar.gz ] && echo minbase || echo apt)
  [ -f "$out/roots/$root" ] || mmdebstrap --quiet --variant="$variant" "$suite" "$out/roots/$root"
done

step "reprotest"
rm -rf "$out/reprotest" && mkdir -p "$out/reprotest"
dpkg-source --no-check -x "$out/package/"corvanthelix_*.dsc "$out/reprotest/src" >/dev/null
# Every variation but another user, which needs a second account set up for it.
(cd "$out/reprotest/src" && reprotest --variations=+all,-user_group --min-cpus="$(nproc)" \
  --store-dir="$out/reprotest/store" . -- null) >"$out/reprotest/log" 2>&1 \
  || { tail -30 "$out/reprotest/log" >&2; echo "reprotest: the builds differ; see $out/reprotest/store" >&2; exit 1; }
tail -3 "$out/reprotest/log"

step "piuparts, over the package of $(git -C "$source" log -1 --format='%h %s' "$earlier")"
rm -rf "$out/earlier" && mkdir -p "$out/earlier/src"
git -C "$source" archive "$earlier" | tar -x -C "$out/earlier/src"
(cd "$out/earlier/src" && dpkg-buildpackage -us -uc -b) >"$out/earlier/build.log" 2>&1 \
  || { tail -30 "$out/earlier/build.log" >&2; exit 1; }
rm -rf "$out/earlier/src"
(cd "$out/earlier" && dpkg-scanpackages --multiversion . >Packages 2>/dev/null)
"${as_root[@]}" piuparts --distribution=bookworm --mirror=http://deb.debian.org/debian \
  --basetgz="$out/roots/bookworm-minbase.tar.gz" --bindmount="$out/earlier" \
  --extra-repo="deb [trusted=yes] file://$out/earlier ./" --log-file="$out/piuparts.log" \
  "$out/package/"corvanthelix_*_amd64.deb >/dev/null 2>&1 \
  || { grep -E 'ERROR|FAIL' "$out/piuparts.log" | tail -20 >&2; echo "piuparts failed; see $out/piuparts.log" >&2; exit 1; }
grep -E 'INFO: (Installation of|PASS)' "$out/piuparts.log"

for suite in bookworm trixie; do
  step "autopkgtest in a fresh $suite root"
  rm -rf "$out/autopkgtest-$suite"
  autopkgtest --apt-upgrade "$out/package/"corvanthelix_*.dsc --output-dir="$out/autopkgtest-$suite" \
    -- unshare --release "$suite" --tarball "$out/roots/$suite.tar" >"$out/autopkgtest-$suite.log" 2>&1 \
    || { tail -30 "$out/autopkgtest-$suite.log" >&2; exit 1; }
  sed -n '/@@@@ summary/,$p' "$out/autopkgtest-$suite.log"
done
step "all passed"
