#!/usr/bin/env bash
# The browser page's checks in Debian's Chromium: the page as a user works
# with it, then the differential check, COUNT generated programs (1,000 by
# default) assembled by the page and by zoltasm, byte for byte.
#   web/test/run.sh PAGE ZOLTASM PROGRAMS WORK [COUNT]
# PROGRAMS is zolt_bench_programs, which writes the programs. Exits with 77,
# skipped, when Chromium or the built page (./build-web.sh) is missing.
set -euo pipefail
page="$1"
zoltasm="$2"
programs="$3"
work="$4"
count="${5:-1000}"
here="$(cd "$(dirname "$0")" && pwd)"

export ZOLT_CHROMIUM="${ZOLT_CHROMIUM:-/usr/bin/chromium}"
if [ ! -x "$ZOLT_CHROMIUM" ]; then
  echo "skipped: $ZOLT_CHROMIUM is not installed (./test.sh installs Debian's chromium)"
  exit 77
fi
if [ ! -f "$page" ]; then
  echo "skipped: $page is not built (./build-web.sh builds it)"
  exit 77
fi

"$here/../../editors/test/npm-ci.sh" "$here" "$work/npm"
export NODE_PATH="$work/npm/node_modules"
node "$here/page_checks.js" "$page" "$zoltasm" "$work/checks"

rm -rf "$work/programs"
mkdir -p "$work/programs"
"$programs" --varied "$count" "$work/programs"
# Lines in error (1) and runs that stop (2) are part of the mix.
status=0
(cd "$work/programs" && "$zoltasm" --quiet -- *.ZOL > /dev/null 2>&1) || status=$?
[ "$status" -le 2 ] || exit "$status"
node "$here/differential.js" "$page" "$work/programs"
