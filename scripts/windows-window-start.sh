#!/usr/bin/env bash
# Starts zolt.exe under Wine the way Explorer and consoles do, with a source
# on its command line, on a headless X server: a relative path through a
# folder with a Chinese name and a space is assembled at once, exactly as
# zoltasm.exe does, and the window stays open; a source that does not exist
# shows the one message box.
# Usage: scripts/windows-window-start.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE
set -euo pipefail
# shellcheck source=scripts/windows-window.sh
. "$(dirname "$0")/windows-window.sh"
folder="源 程序"

# Closes the window from the keyboard, as its close button does, and expects
# a clean end.
close_zolt() {
  xdotool key alt+F4
  expect_clean_end
}

mkdir -p "$work/$folder"
cp "$examples/demo.ZOL" "$work/$folder/"
start_zolt "$folder\\demo.ZOL"
same_as_zoltasm "$work/$folder"
[ "$(windows_named "$title")" -eq 1 ] || fail "a clean run showed a message"
kill -0 "$program" 2> /dev/null || fail "zolt.exe ended after assembling"
close_zolt

start_zolt "no such folder\\missing.ZOL"
dismiss_message
close_zolt
echo "zolt.exe: a source on the command line was assembled at start, a missing one gave the message"
