#!/usr/bin/env bash
# A newcomer's first steps on a fresh Debian 12, as CI proves them: a root
# made with debootstrap, the commit under test cloned to /root/zolt (root's
# home folder, mode 700), and there, as root with no LANG, the README's
# ./run.sh (which must show the demo's listing) and ./test.sh, then
# ./package.sh, which must make the .deb and the .vsix, and the .deb
# installed and removed as the README says. Prints the wall time of each step.
#   .ci/fresh-debian.sh [CACHE]   (default /var/cache/zolt-ci)
# CACHE keeps the base root debootstrap made (made again after 30 days) and
# the packages apt fetched, between runs; it may be empty or missing. The
# root reaches what this machine reaches: its apt sources, apt's settings
# for reaching them (Acquire), its host names and trusted certificates are
# copied in. Needs root (debootstrap, chroot, mount); every mount and process
# of the root goes when the script ends, however it ends.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
cache="$(realpath -m "${1:-/var/cache/zolt-ci}")"
# shellcheck source=scripts/on-exit.sh
. "$repo/scripts/on-exit.sh"
trap 'exit 130' INT
trap 'exit 143' TERM HUP

say() { echo "fresh-debian: $*"; }
fail() {
  say "$*" >&2
  exit 1
}
took() { say "$1 took $((($(date +%s) - $2) / 60)) min $((($(date +%s) - $2) % 60)) s"; }

"$repo/scripts/setup.sh" --for "the fresh Debian 12 root" debootstrap git
commit="$(git -C "$repo" rev-parse HEAD)"
start=$(date +%s)

# The base root, made once and kept: debootstrap's result and nothing else.
# Every 30 days it is made again, and the packages kept are fetched afresh.
base="$cache/bookworm"
mkdir -p "$cache/debs/partial"
if [ ! -f "$base.made" ] || [ -n "$(find "$base.made" -mtime +30)" ]; then
  began=$(date +%s)
  rm -rf --one-file-system "$base" "$base.new" "$base.made"
  rm -f "$cache"/debs/*.deb
  debootstrap --cache-dir="$cache/debs" bookworm "$base.new" http://deb.debian.org/debian \
    > "$cache/debootstrap.log" 2>&1 || fail "debootstrap failed: see $cache/debootstrap.log"
  mv "$base.new" "$base"
  touch "$base.made"
  took "debootstrap (the base root, kept in $base)" "$began"
fi

# This run's root, a copy of the base in memory (a tmpfs: installing and
# building there is quicker than on disk, and it goes in an instant), gone
# at the end, once nothing is mounted in it any more.
began=$(date +%s)
work="$(mktemp -d /var/tmp/zolt-fresh-debian.XXXXXX)"
root="$work/root"
remove_work() {
  if grep -q " $root/" /proc/mounts; then
    say "mounts remain under $root: $work is left in place" >&2
    return 1
  fi
  if grep -q " $work " /proc/mounts; then umount "$work"; fi
  rmdir "$work"
}
on_exit remove_work
mount -t tmpfs -o size=16G,mode=0755 zolt-fresh-debian "$work"
cp -a "$base" "$root"

rm -f "$root/etc/apt/sources.list"
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -f "$file" ] && cp "$file" "$root$file" && sources+=("$file")
done
for folder in /etc/apt/trusted.gpg.d /etc/apt/keyrings /etc/apt/auth.conf.d /usr/local/share/ca-certificates; do
  [ -d "$folder" ] && mkdir -p "$root$folder" && cp -r "$folder/." "$root$folder/"
done
# The keyrings the sources name that the root lacks.
for keyring in $(sed -n 's/^Signed-By: *\(\/.*\)/\1/p; s/.*signed-by=\([^] ]*\).*/\1/p' "${sources[@]}"); do
  [ -e "$root$keyring" ] || { mkdir -p "$root$(dirname "$keyring")" && cp "$keyring" "$root$keyring"; }
done
for settings in /etc/apt/apt.conf /etc/apt/apt.conf.d/*; do
  if [ -f "$settings" ] && grep -q '^[^/#]*Acquire' "$settings"; then cp "$settings" "$root$settings"; fi
done
mkdir -p "$root/etc/ssl/certs"
cp /etc/ssl/certs/ca-certificates.crt "$root/etc/ssl/certs/"
cp /etc/hosts /etc/resolv.conf "$root/etc/"

mount_in_root() {
  local target="$root$1"
  shift
  mount "$@" "$target"
  on_exit "umount '$target' || umount -l '$target'"
}
mount_in_root /proc -t proc proc
mount_in_root /sys -t sysfs sysfs
mount_in_root /dev/pts -t devpts devpts -o newinstance,ptmxmode=0666,mode=0620
mount_in_root /dev/shm -t tmpfs tmpfs -o mode=1777
mount_in_root /var/cache/apt/archives --bind "$cache/debs"
# Runs before the mounts go: every process still in the root ends.
on_exit "stop_processes"
stop_processes() {
  local process
  for _ in 1 2 3; do
    for process in /proc/[0-9]*; do
      [ "$(readlink "$process/root" 2> /dev/null)" = "$root" ] && kill -KILL "${process#/proc/}" 2> /dev/null
    done
    sleep 0.5
  done
}

git clone -q --no-hardlinks "$repo" "$root/root/zolt"
git -C "$root/root/zolt" checkout -q --detach "$commit"
chmod 700 "$root/root"
took "the root's copy and the clone of ${commit:0:7}" "$began"

# A command in the checkout, as root with no LANG, no locale at all: PATH
# and HOME alone. Its output goes to $work/step.log and is shown as it
# comes. In the background, so that a signal reaches this script at once.
in_checkout() {
  local command status=0
  : > "$work/step.log"
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root /bin/sh -c "cd /root/zolt && $1" > "$work/step.log" 2>&1 &
  command=$!
  tail -n +1 --pid="$command" -f "$work/step.log" &
  wait "$command" || status=$?
  wait $!
  return "$status"
}
step() {
  local began
  began=$(date +%s)
  say "$1"
  in_checkout "$1" || fail "$1 failed"
  took "$1" "$began"
}

step ./run.sh
grep -q '^--- examples/demo.lst' "$work/step.log" || fail "./run.sh did not show the demo's listing"
step ./test.sh
step ./package.sh
for made in "dist/zolt_*_amd64.deb" "dist/zolt-language-*.vsix"; do
  compgen -G "$root/root/zolt/$made" > /dev/null || fail "./package.sh did not make $made"
done
step "apt install -y -q ./dist/zolt_*_amd64.deb && zoltasm --version && apt remove -y -q zolt"
say "Node in the root: $(chroot "$root" node --version)"
took "the whole fresh Debian 12 check" "$start"
