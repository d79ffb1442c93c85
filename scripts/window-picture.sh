#!/usr/bin/env bash
# Renders the window after a run of examples/demo.ZOL to docs/window.png, the
# picture in the README. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build > /dev/null
cmake --build build -j "$(nproc)" --target form1_tests > /dev/null
mkdir -p docs build/qt-home/runtime
chmod 700 build/qt-home/runtime
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$PWD/build/qt-home/config" \
  XDG_RUNTIME_DIR="$PWD/build/qt-home/runtime" ZOLT_WINDOW_PICTURE="$PWD/docs/window.png" \
  build/shell/tests/form1_tests picture > /dev/null
echo "docs/window.png"
