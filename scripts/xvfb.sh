# The virtual X display of the checks and pictures that show windows: Xvfb on
# a free display, stopped when the script ends.
# shellcheck shell=bash
# shellcheck source=scripts/on-exit.sh
. "$(dirname "${BASH_SOURCE[0]}")/on-exit.sh"

# Starts Xvfb with a screen of SIZE (WIDTHxHEIGHT) and exports its DISPLAY.
start_display() {
  local folder
  folder="$(mktemp -d)"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3> "$folder/display" > "$folder/xvfb.log" 2>&1 &
  on_exit "kill $! 2> /dev/null; rm -rf '$folder'"
  for _ in $(seq 50); do
    if [ -s "$folder/display" ]; then
      DISPLAY=":$(cat "$folder/display")"
      export DISPLAY
      return 0
    fi
    sleep 0.2
  done
  echo "Xvfb did not start: $(cat "$folder/xvfb.log")" >&2
  exit 1
}
