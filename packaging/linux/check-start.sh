#!/usr/bin/env bash
# Starts the window the way a file manager does, with a source on its command
# line and no display, and checks that it assembles the source exactly as
# zoltasm does and keeps running.
#   packaging/linux/check-start.sh ZOLT ZOLTASM SOURCE
set -euo pipefail
zolt="$(realpath "$1")"
zoltasm="$(realpath "$2")"
source="$3"
work="$(mktemp -d)"
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "check-start: $*" >&2
  exit 1
}

[[ "$("$zolt" --version)" == "zolt "[0-9]* ]] || fail "zolt --version did not answer"

# What the window cannot do it says on standard error, with status 2, and no
# abort: an argument it does not know, a desktop it cannot reach.
refusals=(
  "--bogus|env LC_ALL=C $zolt --bogus|zolt: error: unknown argument '--bogus'"
  "no display|env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C $zolt|zolt: fatal error: the window cannot be shown: no display is reachable"
)
for row in "${refusals[@]}"; do
  IFS='|' read -r what command expected <<< "$row"
  status=0
  $command > /dev/null 2> "$work/refusal" || status=$?
  [ "$status" -eq 2 ] || fail "zolt with $what ended with status $status, not 2"
  grep -qxF "$expected" "$work/refusal" || fail "zolt with $what did not say: $expected"
done

mkdir "$work/cli" "$work/window"
cp "$source" "$work/cli/SOURCE.ZOL"
cp "$source" "$work/window/SOURCE.ZOL"
"$zoltasm" --quiet "$work/cli/SOURCE.ZOL" > /dev/null || true

# A relative path, as a file manager may pass one.
(cd "$work/window" && exec env QT_QPA_PLATFORM=offscreen "$zolt" SOURCE.ZOL) &
pid=$!
for _ in $(seq 100); do
  if cmp -s "$work/cli/SOURCE.obj" "$work/window/SOURCE.obj" &&
    cmp -s <(tail -n +2 "$work/cli/SOURCE.lst") <(tail -n +2 "$work/window/SOURCE.lst" 2> /dev/null); then
    kill -0 "$pid" 2> /dev/null || fail "zolt ended after assembling"
    echo "check-start: zolt assembled $(basename "$source") from its command line"
    exit 0
  fi
  kill -0 "$pid" 2> /dev/null || fail "zolt ended without assembling"
  sleep 0.1
done
fail "zolt did not write the listing and object file zoltasm writes"
