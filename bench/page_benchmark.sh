#!/usr/bin/env bash
# The browser page's benchmark in Debian's Chromium on the 32,767-line
# program (bench/page_benchmark.js says what it prints), and with
# --programs COUNT the differential check on COUNT generated programs
# instead of the 1,000 the tests run.
#   bench/page_benchmark.sh [--programs COUNT]
# Needs ./build-web.sh and the native build in build/ (./test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
page=dist/web/zolt-playground.html
work=build/bench/page
mkdir -p "$work"
editors/test/npm-ci.sh web/test "$work/npm"
build/bench/zolt_bench_programs 32767 "$work"
NODE_PATH="$PWD/$work/npm/node_modules" node bench/page_benchmark.js "$page" "$work/bench.ZOL"
if [ "${1:-}" = "--programs" ]; then
  web/test/run.sh "$page" build/cli/zoltasm build/bench/zolt_bench_programs "$work/check" "$2"
fi
