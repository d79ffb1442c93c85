#!/usr/bin/env bash
# Renders zolt.exe's status label with its tooltip on a Chinese Windows to
# docs/tooltip-windows-gbk-zh.png, the picture in the guide: the window under
# Wine, whose session speaks Chinese (scripts/wine-session.sh), on a headless
# X server, started with a copy of docs/lines_gbk.ZOL (saved in GBK, its
# lines in error quoting Chinese words and full-width marks); the pointer
# rests on the status label until the tooltip has settled.
# Usage: scripts/windows-tooltip-picture.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE
# (after ./build-windows.sh: build-windows dist/windows/zolt.exe dist/windows/zoltasm.exe).
set -euo pipefail
"$(dirname "$0")/setup.sh" --for "the status tooltip's picture" x11-utils
picture="$(realpath -m "$(dirname "$0")/../docs/tooltip-windows-gbk-zh.png")"
lines="$(realpath "$(dirname "$0")/../docs/lines_gbk.ZOL")"
# Wide enough for the tooltip beside the window.
desktop=800x600
# shellcheck source=scripts/windows-window.sh
. "$(dirname "$0")/windows-window.sh"
# shellcheck source=scripts/wine-session.sh
. "$(dirname "$0")/wine-session.sh"
wine_session "$build"

cp "$lines" "$work/"
start_zolt "$(basename "$lines")"
sleep 2
# Away from the window, then onto the middle of the status label: 104,176
# and 233x33 in the window's client area (shell/form1_layout.h), below the
# frame, the title bar and the menu.
window=$(xdotool search --name "^$title\$" | head -n 1)
xdotool mousemove 790 590
sleep 1
xdotool mousemove --window "$window" 220 234
take_screenshot "$picture"
echo "$picture"
# Closed from the keyboard, as a user would.
xdotool mousemove 790 590
xdotool key alt+F4
expect_clean_end
