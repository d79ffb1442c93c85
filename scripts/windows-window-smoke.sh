#!/usr/bin/env bash
# Drives zolt.exe under Wine on a headless X server the way a user would:
# Open a source from the menu (the dialog starts with "*.ZOL"), see the status
# label, Open a file that does not exist and dismiss the message, then Exit.
# Saves a screenshot after the first run and checks that the window wrote the
# same listing and object file as zoltasm.exe, and that the program ends
# cleanly.
# Usage: scripts/windows-window-smoke.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE SCREENSHOT.png
set -euo pipefail

build=$(realpath "$1")
zolt=$(realpath "$2")
zoltasm=$(realpath "$3")
screenshot=$4
examples=$(realpath "$(dirname "$0")/../examples")
title="ZOLT编译器"
desktop=zolt,640x480

work=$(mktemp -d)
xvfb=""
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2> /dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=scripts/wine-desktop.sh
. "$(dirname "$0")/wine-desktop.sh"

fail() {
  echo "window check failed: $*" >&2
  [ -s "$work/wine.log" ] && sed 's/^/  wine: /' "$work/wine.log" >&2
  exit 1
}

start_display 640x480

# The menu `file` from the keyboard: F10 opens the menu bar, Down the menu
# on its first item; Up wraps round to the last.
choose() {
  xdotool key F10
  sleep 0.5
  xdotool key Down
  sleep 0.5
  [ "$1" = Exit ] && xdotool key Up && sleep 0.5
  xdotool key Return
}

open_file() {
  choose Open
  wait_for '[ "$(windows_named 打开)" -ge 1 ]' "the open-file dialog"
  sleep 1
  xdotool type --delay 30 "$1"
  xdotool key Return
}

# The Wine desktop draws the window's frame, as a Windows desktop would.
(cd "$work" && ZOLT_WINE_TIMEOUT=300 exec "$build/wine-run" explorer /desktop="$desktop" "$zolt" 2> "$work/wine.log") &
program=$!
wait_for '[ "$(windows_named "$title")" -ge 1 ]' "the main window"
xdotool mousemove 320 240
xdotool windowfocus "$(xdotool search --name "^zolt - Wine desktop\$" | head -n 1)" 2> /dev/null || true

mkdir -p "$work/run" "$work/cli"
cp "$examples/demo.ZOL" "$work/run/"
cp "$examples/demo.ZOL" "$work/cli/"
open_file "Z:$(printf '%s' "$work/run/demo.ZOL" | tr / '\\')"
wait_for '[ -s "$work/run/demo.obj" ] && [ "$(windows_named 打开)" -eq 0 ]' "the run's output files"
take_screenshot "$screenshot"
echo "screenshot: $screenshot"

(cd "$work/cli" && "$build/wine-run" "$zoltasm" demo.ZOL > /dev/null)
cmp "$work/run/demo.obj" "$work/cli/demo.obj" || fail "the window's object file differs from zoltasm.exe's"
diff <(tail -n +2 "$work/run/demo.lst") <(tail -n +2 "$work/cli/demo.lst") > /dev/null ||
  fail "the window's listing differs from zoltasm.exe's"

# A file that does not exist: the one message box, then the window again.
open_file 'Z:\no\such\folder\missing.ZOL'
wait_for '[ "$(windows_named "$title")" -ge 2 ]' "the message box"
xdotool key Return
wait_for '[ "$(windows_named "$title")" -eq 1 ]' "the message box to close"

choose Exit
for _ in $(seq 30); do
  kill -0 "$program" 2> /dev/null || break
  sleep 1
done
status=0
wait "$program" || status=$?
program=""
[ "$status" -eq 0 ] || fail "zolt.exe did not end cleanly after Exit (status $status)"
echo "zolt.exe: Open ran the source, a missing file gave the message, Exit ended the program"
