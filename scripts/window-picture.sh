#!/usr/bin/env bash
# Renders the window after a run of examples/demo.ZOL to docs/window.png, the
# picture in the README: the real program on a virtual X display, the source
# copied to a scratch folder so that examples/ stays clean.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
  scripts/setup.sh imagemagick xdotool
  cmake -S . -B build > /dev/null
  cmake --build build -j "$(nproc)" --target zolt > /dev/null
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside
fi

work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp examples/demo.ZOL "$work/"
build/shell/qt/zolt "$work/demo.ZOL" &
window=$!
trap 'kill "$window"; rm -rf "$work"' EXIT
id=$(xdotool search --sync --name 'ZOLT编译器' | head -n 1)
# The run ends with the status caption; give it a moment to be drawn.
sleep 1
mkdir -p docs
import -window "$id" docs/window.png
echo "docs/window.png"
