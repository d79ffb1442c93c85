#!/usr/bin/env bash
# Renders the window after a run of examples/demo.ZOL to docs/window.png, the
# picture in the README: the real program on a virtual X display, the source
# copied to a scratch folder so that examples/ stays clean.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/qt-window.sh
. scripts/qt-window.sh

cp examples/demo.ZOL "$work/"
start_window "$work/demo.ZOL"
wait_for '[ "$(windows_named ZOLT编译器)" -ge 1 ]' "the window"
id=$(xdotool search --name '^ZOLT编译器$' | head -n 1)
# The run ends with the status caption; give it a moment to be drawn.
sleep 1
mkdir -p docs
import -window "$id" docs/window.png
echo "docs/window.png"
