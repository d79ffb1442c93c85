#!/usr/bin/env bash
# Renders zolt.exe's details window on a Chinese Windows to
# docs/details-windows-zh.png, the picture in the guide: the window under
# Wine, whose session speaks Chinese (scripts/wine-session.sh), on a headless
# X server, started with a source made of the guide's common mistakes; Tab
# and Enter open the link, Tab and Down select the second line in error.
# Usage: scripts/windows-details-picture.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE
# (after ./build-windows.sh: build-windows dist/windows/zolt.exe dist/windows/zoltasm.exe).
set -euo pipefail
"$(dirname "$0")/setup.sh" --for "the details window's picture" x11-utils
picture="$(realpath -m "$(dirname "$0")/../docs/details-windows-zh.png")"
snippets="$(realpath "$(dirname "$0")/../docs/snippets")"
desktop=1024x768
# shellcheck source=scripts/windows-window.sh
. "$(dirname "$0")/windows-window.sh"
# shellcheck source=scripts/wine-session.sh
. "$(dirname "$0")/wine-session.sh"
wine_session "$build"

(cd "$snippets" && cat colon_apart.ZOL equals_sign.ZOL full_width_space.ZOL bout_takes_halt.ZOL) > "$work/练习.ZOL"
start_zolt 练习.ZOL
sleep 1
xdotool key Tab Return
wait_for '[ "$(windows_named 出错的行)" -ge 1 ]' "the details window"
sleep 1
xdotool key Tab Down
take_screenshot "$picture" "$(xdotool search --name '^出错的行$' | head -n 1)"
echo "$picture"
# Closed from the keyboard, as a user would.
xdotool key Escape
sleep 1
xdotool key alt+F4
expect_clean_end
