#!/usr/bin/env bash
# Renders the window on a Chinese desktop, the pictures in the guide: the real
# program on a virtual X display in the zh_CN.UTF-8 locale (the build's own),
# started with a source made of the guide's common mistakes.
#   docs/details-linux-zh.png      the window with its link, and the details
#                                  window that Tab and Enter open, the second
#                                  line in error selected
#   docs/open-dialog-linux-zh.png  the open dialog, in Qt's own Chinese
set -euo pipefail
cd "$(dirname "$0")/.."
# The build with the tests, which compiles the Chinese locale the window
# runs in here.
scripts/setup.sh --tests --for "the window's Chinese pictures" x11-apps x11-utils netpbm
cmake -S . -B build -DBUILD_TESTING=ON > /dev/null
# shellcheck source=scripts/qt-window.sh
. scripts/qt-window.sh

(cd docs/snippets && cat colon_apart.ZOL equals_sign.ZOL full_width_space.ZOL bout_takes_halt.ZOL) > "$work/练习.ZOL"
export LOCPATH="$PWD/build/locale" LANG=zh_CN.UTF-8
# Started in the source's folder, where the open dialog then looks.
(cd "$work" && exec "$OLDPWD/build/shell/qt/zolt" 练习.ZOL) &
on_exit "kill $!"
wait_for '[ "$(windows_named ZOLT编译器)" -ge 1 ]' "the window"
main=$(xdotool search --name '^ZOLT编译器$' | head -n 1)
sleep 1
xdotool windowfocus "$main"
xdotool key Tab Return
wait_for '[ "$(windows_named 出错的行)" -ge 1 ]' "the details window"
details=$(xdotool search --name '^出错的行$' | head -n 1)
# No window manager: the windows stand where they are put, the details
# window below and to the right of the window whose link opened it.
xdotool windowmove "$main" 0 0
xdotool windowmove "$details" 250 240
xdotool windowfocus "$details"
xdotool key Down
take_screenshot "$work/details.png"
# The bare screen around the windows is black: a desktop's colour instead.
right=$(identify -format '%[fx:w-1]' "$work/details.png")
bottom=$(identify -format '%[fx:h-1]' "$work/details.png")
convert "$work/details.png" -fill '#3a6ea5' -floodfill "+$right+0" black \
  -floodfill "+0+$bottom" black docs/details-linux-zh.png
echo docs/details-linux-zh.png

# The open dialog, from the menu 文件 with the mouse, the details window
# out of the way.
xdotool windowmove "$details" 2000 2000
xdotool mousemove 20 8 click 1
sleep 1
xdotool mousemove 40 32 click 1
wait_for 'window_over_another 打开 > /dev/null' "the open dialog"
take_screenshot docs/open-dialog-linux-zh.png "$(window_over_another 打开)"
echo docs/open-dialog-linux-zh.png
