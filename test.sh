#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything and runs every test.
#   ./test.sh             the normal build in build/
#   ./test.sh --sanitize  the same suite under AddressSanitizer and UBSan in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

build=build
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  options+=(-DZOLT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

scripts/setup.sh
cmake -S . -B "$build" "${options[@]}" > /dev/null
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure
