#!/usr/bin/env bash
# Starts zolt.exe under Wine the way Explorer and consoles do, with a source
# on its command line, on a headless X server: a relative path through a
# folder with a Chinese name and a space is assembled at once, exactly as
# zoltasm.exe does, and the window stays open; a source that does not exist
# shows the one message box.
# Usage: scripts/windows-window-start.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE
set -euo pipefail

build=$(realpath "$1")
zolt=$(realpath "$2")
zoltasm=$(realpath "$3")
examples=$(realpath "$(dirname "$0")/../examples")
title="ZOLT编译器"
folder="源 程序"

work=$(mktemp -d)
xvfb=""
program=""
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2> /dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2> /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=scripts/wine-desktop.sh
. "$(dirname "$0")/wine-desktop.sh"

fail() {
  echo "window start check failed: $*" >&2
  [ -s "$work/wine.log" ] && sed 's/^/  wine: /' "$work/wine.log" >&2
  exit 1
}

start_display 640x480

# Runs zolt.exe with one argument from the scratch folder, in a Wine desktop
# that gives the message box the keyboard.
start_zolt() {
  (cd "$work" && exec "$build/wine-run" explorer /desktop=zolt,640x480 "$zolt" "$1" 2> "$work/wine.log") &
  program=$!
  wait_for "[ \"\$(windows_named $title)\" -ge 1 ]" "the main window"
  xdotool mousemove 320 240
  xdotool windowfocus "$(xdotool search --name "^zolt - Wine desktop\$" | head -n 1)" 2> /dev/null || true
}

# Closes the window from the keyboard, as its close button does, and expects
# a clean end.
close_zolt() {
  xdotool key alt+F4
  for _ in $(seq 30); do
    kill -0 "$program" 2> /dev/null || break
    sleep 1
  done
  local status=0
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || fail "zolt.exe did not end cleanly (status $status)"
}

mkdir -p "$work/$folder" "$work/cli"
cp "$examples/demo.ZOL" "$work/$folder/"
cp "$examples/demo.ZOL" "$work/cli/"
(cd "$work/cli" && "$build/wine-run" "$zoltasm" demo.ZOL > /dev/null)

start_zolt "$folder\\demo.ZOL"
wait_for "cmp -s \"$work/cli/demo.obj\" \"$work/$folder/demo.obj\"" "the object file zoltasm.exe writes"
diff <(tail -n +2 "$work/$folder/demo.lst") <(tail -n +2 "$work/cli/demo.lst") > /dev/null ||
  fail "the listing differs from zoltasm.exe's"
[ "$(windows_named "$title")" -eq 1 ] || fail "a clean run showed a message"
kill -0 "$program" 2> /dev/null || fail "zolt.exe ended after assembling"
close_zolt

start_zolt "no such folder\\missing.ZOL"
wait_for "[ \"\$(windows_named $title)\" -ge 2 ]" "the message box"
xdotool key Return
wait_for "[ \"\$(windows_named $title)\" -eq 1 ]" "the message box to close"
close_zolt
echo "zolt.exe: a source on the command line was assembled at start, a missing one gave the message"
