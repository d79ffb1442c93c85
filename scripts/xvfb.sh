# The virtual X display of the checks and pictures that show windows: Xvfb on
# a free display, stopped when the script ends; waiting for a condition,
# counting windows by name and still pictures. A caller that waits or takes
# pictures defines fail() and a scratch folder $work.
# shellcheck shell=bash disable=SC2154
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

# How many windows bear this exact name (Wine shows each on the X server).
windows_named() {
  xdotool search --name "^$1\$" 2> /dev/null | wc -l
}

# The window of this exact name that stands over another, such as a message
# box over its program's window (xprop, from x11-utils, tells); fails while
# there is none.
window_over_another() {
  local id
  for id in $(xdotool search --name "^$1\$" 2> /dev/null); do
    if xprop -id "$id" WM_TRANSIENT_FOR | grep -q 'window id'; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Waits up to a minute for a condition.
wait_for() {
  for _ in $(seq 120); do
    if eval "$1"; then return 0; fi
    sleep 0.5
  done
  fail "timed out waiting for: $2"
}

# A still picture in PNG of the screen, or of the X window WINDOW when given:
# many colours (the bare desktop has one), the same twice running.
take_screenshot() {
  local source=(-root)
  [ -n "${2:-}" ] && source=(-id "$2")
  rm -f "$work/last.pnm"
  for _ in $(seq 60); do
    sleep 1
    xwd "${source[@]}" -silent | xwdtopnm > "$work/shot.pnm" 2> /dev/null
    if [ "$(ppmhist -noheader "$work/shot.pnm" | wc -l)" -gt 20 ] && cmp -s "$work/shot.pnm" "$work/last.pnm"; then
      mkdir -p "$(dirname "$1")"
      pnmcrop -sides "$work/shot.pnm" 2> /dev/null | pnmtopng > "$1"
      return 0
    fi
    cp "$work/shot.pnm" "$work/last.pnm"
  done
  fail "the screen did not settle"
}
