#!/usr/bin/env bash
# Runs the README's quick start as a new player would: in a fresh, minimal
# Debian root with nothing but git (made by mmdebstrap), as root or as a user
# with sudo, `./build.sh run` and then `./build.sh test` in a clone of this
# repository. Needs root on the machine it runs on; the root is kept in DIR,
# and made anew when DIR is missing.
#   scripts/fresh-debian.sh bookworm|trixie [root|user] [DIR]
set -euo pipefail
suite=${1:?usage: $0 bookworm|trixie [root|user] [DIR]}
as=${2:-root}
dir=${3:-/var/tmp/corvanthelix-$suite-$as}
source=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "$0 needs root, for mmdebstrap and chroot" >&2; exit 1; }
command -v mmdebstrap >/dev/null || { apt-get update -qq && apt-get install -y -qq mmdebstrap >/dev/null; }

if [ ! -d "$dir" ]; then
  extra=$([ "$as" = user ] && echo ,sudo || true)
  mmdebstrap --variant=minbase --include=git,ca-certificates$extra "$suite" "$dir"
  if [ "$as" = user ]; then
    chroot "$dir" useradd -m -s /bin/bash player
    echo 'player ALL=(ALL) NOPASSWD: ALL' >"$dir/etc/sudoers.d/player"
  fi
fi
# /dev/shm too, or a user finds the bare, root-only folder under it: Debian
# 13's speech modules then fail to make their semaphore and crash.
for mount in proc sys dev dev/pts dev/shm; do mountpoint -q "$dir/$mount" || mount --bind "/$mount" "$dir/$mount"; done
trap 'for mount in dev/shm dev/pts dev sys proc; do umount "$dir/$mount" 2>/dev/null || true; done' EXIT
cp /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true

home=$([ "$as" = user ] && echo /home/player || echo /root)
rm -rf "$dir$home/corvanthelix"
git clone -q "$source" "$dir$home/corvanthelix"
[ "$as" = user ] && chroot "$dir" chown -R player: "$home/corvanthelix"
run() { # command
  if [ "$as" = user ]; then chroot "$dir" su - player -c "cd corvanthelix && $1"; else chroot "$dir" bash -lc "cd ~/corvanthelix && $1"; fi
}
run "env -u DISPLAY -u WAYLAND_DISPLAY ./build.sh run"
run "./build.sh test"
