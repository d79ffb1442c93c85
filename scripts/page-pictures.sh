#!/usr/bin/env bash
# Takes the browser page's pictures, docs/page-zh.png and docs/page-en.png,
# in Debian's Chromium (scripts/page-pictures.js says what they show).
# Needs ./build-web.sh first.
set -euo pipefail
cd "$(dirname "$0")/.."
work=build-web/pictures
editors/test/npm-ci.sh web/test "$work/npm"
NODE_PATH="$PWD/$work/npm/node_modules" node scripts/page-pictures.js dist/web/zolt-playground.html docs
