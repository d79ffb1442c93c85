#!/usr/bin/env bash
# The Neovim check with the lines for 0.8 and later: Debian 12's own Neovim is
# 0.7, so this runs run.sh in a root of Debian 13 made by debootstrap (kept in
# WORK/root for the next run), whose Neovim is 0.10. zoltasm is linked
# statically and runs there as built. Needs root, for chroot.
#   editors/test/neovim/newer.sh ZOLTASM SOURCE WORK
set -euo pipefail
zoltasm="$1"
source="$2"
work="$3"
here="$(cd "$(dirname "$0")" && pwd)"
root="$work/root"
"$here/../../../scripts/setup.sh" --for "Debian 13's Neovim" debootstrap
mkdir -p "$work"
if [ ! -x "$root/usr/bin/nvim" ]; then
  rm -rf "$root"
  debootstrap --variant=minbase trixie "$root" http://deb.debian.org/debian > "$work/debootstrap.log"
  chroot "$root" apt-get update -q > "$work/neovim-install.log" 2>&1
  DEBIAN_FRONTEND=noninteractive chroot "$root" \
    apt-get install -y -q --no-install-recommends neovim >> "$work/neovim-install.log" 2>&1
fi

check="$root/check"
rm -rf "$check"
mkdir -p "$check/editors/test/neovim"
cp "$here/../../README.md" "$check/editors/"
cp "$here/run.sh" "$here/inlay_hints.lua" "$check/editors/test/neovim/"
cp "$zoltasm" "$check/zoltasm"
cp "$source" "$check/"
chroot "$root" /check/editors/test/neovim/run.sh /check/zoltasm "/check/$(basename "$source")" \
  /check/work 0.8
