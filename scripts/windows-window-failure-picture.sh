#!/usr/bin/env bash
# Renders zolt.exe's failure message on a Chinese Windows to
# docs/failure-box-windows-zh.png, the picture in the README: the window under
# Wine, whose session speaks Chinese (scripts/wine-session.sh), on a headless
# X server, started with a copy of docs/snippets/stops.ZOL, whose run stops;
# the message box is taken once it has settled, then the program is closed.
# With SOURCE and PICTURE, that source (docs/stops_gbk.ZOL, saved in
# GBK) and that picture (docs/failure-box-windows-gbk-zh.png) instead.
# Usage: scripts/windows-window-failure-picture.sh BUILD_DIR ZOLT_EXE ZOLTASM_EXE [SOURCE PICTURE]
# (after ./build-windows.sh: build-windows dist/windows/zolt.exe dist/windows/zoltasm.exe).
set -euo pipefail
"$(dirname "$0")/setup.sh" --for "the failure message's picture" x11-utils
picture="$(realpath -m "${5:-$(dirname "$0")/../docs/failure-box-windows-zh.png}")"
snippet="$(realpath "${4:-$(dirname "$0")/../docs/snippets/stops.ZOL}")"
# shellcheck source=scripts/windows-window.sh
. "$(dirname "$0")/windows-window.sh"
# shellcheck source=scripts/wine-session.sh
. "$(dirname "$0")/wine-session.sh"
wine_session "$build"

cp "$snippet" "$work/"
start_zolt "$(basename "$snippet")"
wait_for 'window_over_another "$title" > /dev/null' "the message box"
take_screenshot "$picture" "$(window_over_another "$title")"
echo "$picture"
# Dismissed and closed from the keyboard, as a user would.
dismiss_message
xdotool key alt+F4
expect_clean_end
