#!/usr/bin/env bash
# Drives zolt.exe under Wine on a headless X server the way a user would:
# Open a source from the menu (the dialog starts with "*.ZOL"), see the status
# label, Open a file that does not exist and dismiss the message, then Exit.
# Saves a screenshot after the first run and checks that the window wrote the
# same listing and object file as zoltasm.exe, and that the program ends
# cleanly.
# Usage: scripts/windows-window-smoke.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE SCREENSHOT.png
set -euo pipefail
screenshot=$4
# shellcheck source=scripts/windows-window.sh
. "$(dirname "$0")/windows-window.sh"

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

start_zolt
mkdir -p "$work/run"
cp "$examples/demo.ZOL" "$work/run/"
open_file "Z:$(printf '%s' "$work/run/demo.ZOL" | tr / '\\')"
wait_for '[ -s "$work/run/demo.obj" ] && [ "$(windows_named 打开)" -eq 0 ]' "the run's output files"
take_screenshot "$screenshot"
echo "screenshot: $screenshot"
same_as_zoltasm "$work/run"

# A file that does not exist: the one message box, then the window again.
open_file 'Z:\no\such\folder\missing.ZOL'
dismiss_message

choose Exit
expect_clean_end
echo "zolt.exe: Open ran the source, a missing file gave the message, Exit ended the program"
