#!/usr/bin/env bash
# Installs on Debian 12 what the build and the programs need, builds the
# programs (no tests: ./test.sh adds them), and runs the assembler.
#   ./run.sh        opens the window on a desktop; with no display, assembles
#                   examples/demo.ZOL and shows its listing
#   ./run.sh FILE   assembles FILE
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
scripts/build.sh zoltasm zolt

if [ $# -eq 0 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/shell/qt/zolt
fi

source="${1:-examples/demo.ZOL}"
status=0
build/cli/zoltasm "$source" || status=$?
listing="${source%???}lst"
if [ -f "$listing" ]; then
  echo "--- $listing"
  cat "$listing"
fi
if [ $# -eq 0 ]; then
  echo "--- no display: on a desktop, ./run.sh opens the window (build/shell/qt/zolt)"
fi
exit "$status"
