#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and runs the assembler.
#   ./run.sh        assembles examples/demo.ZOL and shows its listing
#   ./run.sh FILE   assembles FILE
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh
cmake -S . -B build > /dev/null
cmake --build build -j "$(nproc)" > /dev/null

source="${1:-examples/demo.ZOL}"
status=0
build/cli/zoltasm "$source" || status=$?
listing="${source%???}lst"
if [ -f "$listing" ]; then
  echo "--- $listing"
  cat "$listing"
fi
exit "$status"
