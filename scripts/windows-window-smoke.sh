#!/usr/bin/env bash
# Starts zolt.exe under Wine on a headless X server, saves a screenshot of its
# window once it has drawn, then closes the window the way the title bar's
# close button does and checks that the program ends cleanly.
# Usage: scripts/windows-window-smoke.sh BUILD_DIR ZOLT_EXE SCREENSHOT.png
set -euo pipefail

build=$(realpath "$1")
zolt=$(realpath "$2")
screenshot=$3
desktop=zolt,640x480

work=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=""
for number in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
    display=":$number"
    break
  fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.2
done
export DISPLAY=$display

# The Wine desktop draws the window's frame, as a Windows desktop would.
ZOLT_WINE_TIMEOUT=120 "$build/wine-run" explorer /desktop="$desktop" "$zolt" &
program=$!

# Drawn: many colours on screen (the desktop alone has one), and the same
# picture twice in a row.
ready=no
for _ in $(seq 60); do
  sleep 1
  xwd -root -silent | xwdtopnm > "$work/shot.pnm" 2> /dev/null
  colours=$(ppmhist -noheader "$work/shot.pnm" | wc -l)
  if [ "$colours" -gt 20 ] && cmp -s "$work/shot.pnm" "$work/last.pnm"; then
    ready=yes
    break
  fi
  cp "$work/shot.pnm" "$work/last.pnm"
done
if [ "$ready" != yes ]; then
  echo "zolt.exe did not show its window within a minute" >&2
  exit 1
fi
mkdir -p "$(dirname "$screenshot")"
pnmcrop -sides "$work/shot.pnm" 2> /dev/null | pnmtopng > "$screenshot"
echo "screenshot: $screenshot"

# The close message has to come from a program on the same Wine desktop.
"$build/wine-run" explorer /desktop="$desktop" taskkill /im zolt.exe > /dev/null
for _ in $(seq 30); do
  kill -0 "$program" 2> /dev/null || break
  sleep 1
done
status=0
wait "$program" || status=$?
if [ "$status" -ne 0 ]; then
  echo "zolt.exe did not end cleanly (status $status)" >&2
  exit 1
fi
echo "zolt.exe started, drew its window and closed cleanly"
