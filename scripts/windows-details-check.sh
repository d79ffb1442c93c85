#!/usr/bin/env bash
# Checks zolt.exe's link and details window under Wine on a headless X
# server: windows_details_check.exe drives them in a Wine desktop as a user
# would and writes what it found, which is printed; its last line decides.
# Usage: scripts/windows-details-check.sh BUILD_DIR ZOLT_EXE CHECK_EXE
set -euo pipefail
build=$(realpath "$1")
zolt=$(realpath "$2")
check=$(realpath "$3")
# shellcheck source=scripts/wine-session.sh
. "$(dirname "$0")/wine-session.sh"
# shellcheck source=scripts/xvfb.sh
. "$(dirname "$0")/xvfb.sh"
wine_environment "$build"
wine_fonts "$build"

work=$(mktemp -d)
on_exit "rm -rf '$work'"
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

start_display 800x600
ZOLT_WINE_TIMEOUT=120 "$build/wine-run" explorer /desktop=details,800x600 \
  "$(windows_path "$check")" "$(windows_path "$zolt")" "$(windows_path "$work")" 2> "$work/wine.log" || true
if [ ! -s "$work/report.txt" ]; then
  echo "windows_details_check wrote no report" >&2
  sed 's/^/  wine: /' "$work/wine.log" >&2
  exit 1
fi
cat "$work/report.txt"
[ "$(tail -n 1 "$work/report.txt")" = passed ]
