#!/usr/bin/env bash
# Screenshots of the real window on a virtual X display, for checking by eye
# that the captions and the menu render: the window at start, its open menu,
# the open-file dialog, and the window after opening examples/demo.ZOL
# through the dialog. Usage: scripts/window-screenshot.sh [FOLDER]
# (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
mkdir -p "$out"
# shellcheck source=scripts/qt-window.sh
. scripts/qt-window.sh

start_window
wait_for '[ "$(windows_named ZOLT编译器)" -ge 1 ]' "the window"
shot() { sleep 1.5; import -window root "$out/$1.png"; echo "$out/$1.png"; }

shot start
xdotool mousemove 20 8 click 1 # the menu 文件
shot menu
xdotool mousemove 40 32 click 1 # 打开
shot dialog
xdotool type --delay 20 "$PWD/examples/demo.ZOL"
xdotool key Return
shot opened
