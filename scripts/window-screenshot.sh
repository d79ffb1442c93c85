#!/usr/bin/env bash
# Screenshots of the real window on a virtual X display, for checking by eye
# that the captions and the menu render: the window at start, its open menu,
# the open-file dialog, and the window after opening examples/demo.ZOL
# through the dialog. Usage: scripts/window-screenshot.sh [FOLDER]
# (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
  scripts/setup.sh imagemagick xdotool
  cmake -S . -B build > /dev/null
  cmake --build build -j "$(nproc)" --target zolt > /dev/null
  out="$(realpath -m "${1:-build/screenshots}")"
  mkdir -p "$out"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$out"
fi

out="$2"
export XDG_CONFIG_HOME="$PWD/build/qt-home/config" XDG_RUNTIME_DIR="$PWD/build/qt-home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
build/shell/qt/zolt &
window=$!
trap 'kill "$window"' EXIT
shot() { sleep 1.5; import -window root "$out/$1.png"; echo "$out/$1.png"; }

shot start
xdotool mousemove 20 8 click 1 # the menu 文件
shot menu
xdotool mousemove 40 32 click 1 # 打开
shot dialog
xdotool type --delay 20 "$PWD/examples/demo.ZOL"
xdotool key Return
shot opened
