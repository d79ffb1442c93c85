#!/usr/bin/env bash
# Builds TARGET... in build/, such as the programs zoltasm and zolt. A new
# build folder is set up without the tests, so that the programs build with
# none of the libraries only the tests use; ./test.sh turns the tests on, and
# the folder keeps that choice.
#   scripts/build.sh TARGET...
set -euo pipefail
cd "$(dirname "$0")/.."
testing=()
[ -f build/CMakeCache.txt ] || testing=(-DBUILD_TESTING=OFF)
cmake -S . -B build "${testing[@]}" > /dev/null
cmake --build build -j "$(nproc)" --target "$@" > /dev/null
