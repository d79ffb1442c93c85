#!/usr/bin/env bash
# Installs on Debian 12 what the build and the tests need, builds everything
# and runs every test.
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

scripts/setup.sh --tests
cmake -S . -B "$build" -DBUILD_TESTING=ON "${options[@]}" > /dev/null
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure
