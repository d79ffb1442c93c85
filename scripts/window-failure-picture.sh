#!/usr/bin/env bash
# Renders the window's failure message on a Chinese desktop to
# docs/failure-box-linux-zh.png, the picture in the README: the real program
# on a virtual X display in the zh_CN.UTF-8 locale (the build's own), opening
# a copy of docs/snippets/stops.ZOL, whose run stops; the message box alone
# is taken, once it has settled.
set -euo pipefail
cd "$(dirname "$0")/.."
# The build with the tests, which compiles the Chinese locale the window
# runs in here.
scripts/setup.sh --tests --for "the failure message's picture" x11-apps x11-utils netpbm
cmake -S . -B build -DBUILD_TESTING=ON > /dev/null
# shellcheck source=scripts/qt-window.sh
. scripts/qt-window.sh
picture=docs/failure-box-linux-zh.png

cp docs/snippets/stops.ZOL "$work/"
export LOCPATH="$PWD/build/locale" LANG=zh_CN.UTF-8
start_window "$work/stops.ZOL"
wait_for 'window_over_another ZOLT编译器 > /dev/null' "the message box"
take_screenshot "$picture" "$(window_over_another ZOLT编译器)"
echo "$picture"
