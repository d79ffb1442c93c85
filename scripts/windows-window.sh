# Sourced by the checks that drive zolt.exe under Wine, windows-window-smoke.sh
# and windows-window-start.sh, whose first arguments are BUILD_DIR ZOLT_EXE
# ZOLTASM_EXE: a scratch folder, the virtual display, zolt.exe started in a
# Wine desktop and ended with the script, and what both expect of it.
# shellcheck shell=bash disable=SC2034 # the checks use what is set here
build=$(realpath "$1")
zolt=$(realpath "$2")
zoltasm=$(realpath "$3")
examples=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../examples")
title="ZOLT编译器"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
program=""
on_exit 'if [ -n "$program" ]; then kill "$program"; fi'

fail() {
  echo "$(basename "$0" .sh): $*" >&2
  [ -s "$work/wine.log" ] && sed 's/^/  wine: /' "$work/wine.log" >&2
  exit 1
}

# The desktop's size: a caller may set a larger one before sourcing this.
desktop=${desktop:-640x480}
start_display "$desktop"

# Starts zolt.exe with ARGUMENTS from the scratch folder, in a Wine desktop,
# which draws the window's frame as a Windows desktop would and gives the
# message box the keyboard; waits for the main window.
start_zolt() {
  (cd "$work" && exec "$build/wine-run" explorer "/desktop=zolt,$desktop" "$zolt" "$@" 2> "$work/wine.log") &
  program=$!
  wait_for '[ "$(windows_named "$title")" -ge 1 ]' "the main window"
  xdotool mousemove 320 240
  xdotool windowfocus "$(xdotool search --name "^zolt - Wine desktop\$" | head -n 1)" 2> /dev/null || true
}

# Waits for zolt.exe to end and expects a clean end.
expect_clean_end() {
  local status=0
  for _ in $(seq 30); do
    kill -0 "$program" 2> /dev/null || break
    sleep 1
  done
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || fail "zolt.exe did not end cleanly (status $status)"
}

# The one message box over the window, dismissed from the keyboard.
dismiss_message() {
  wait_for '[ "$(windows_named "$title")" -ge 2 ]' "the message box"
  xdotool key Return
  wait_for '[ "$(windows_named "$title")" -eq 1 ]' "the message box to close"
}

# The window wrote in FOLDER the object file and listing that zoltasm.exe
# writes for examples/demo.ZOL (the listing's file-name line aside).
same_as_zoltasm() {
  mkdir -p "$work/cli"
  cp "$examples/demo.ZOL" "$work/cli/"
  (cd "$work/cli" && "$build/wine-run" "$zoltasm" demo.ZOL > /dev/null)
  wait_for "cmp -s '$work/cli/demo.obj' '$1/demo.obj'" "the object file zoltasm.exe writes"
  diff <(tail -n +2 "$1/demo.lst") <(tail -n +2 "$work/cli/demo.lst") > /dev/null ||
    fail "the window's listing differs from zoltasm.exe's"
}
