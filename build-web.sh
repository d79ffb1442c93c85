#!/usr/bin/env bash
# Builds the browser page, one self-contained file that works offline, from
# the disk as well as served:
#   ./build-web.sh    dist/web/zolt-playground.html
# The assembler is built to WebAssembly with Debian's Emscripten in
# build-web/wasm; the editor (CodeMirror 6) and the bundler (esbuild) come
# from npm, pinned by web/package-lock.json, into build-web/npm.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh --for "the browser page" emscripten node-acorn
# Debian's Emscripten runs its JavaScript tools with Debian's own modules
# (acorn), where a node from elsewhere does not look.
export NODE_PATH=/usr/share/nodejs
build=build-web
emcmake cmake -S . -B "$build/wasm" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build/wasm" -j "$(nproc)"
editors/test/npm-ci.sh web "$build/npm"
page=dist/web/zolt-playground.html
NODE_PATH="$PWD/$build/npm/node_modules" node web/make-page.js "$build/wasm/web/zolt_playground.js" "$page"
echo "built $page ($(stat -c %s "$page") bytes)"
