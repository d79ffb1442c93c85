# Sourced by the Wine checks that show windows: the virtual display, waiting
# for a condition, counting windows by name and still screenshots. The caller
# defines fail() and a scratch folder $work.
# shellcheck shell=bash disable=SC2154
# shellcheck source=scripts/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

# How many windows bear this exact name (Wine shows each on the X server).
windows_named() {
  xdotool search --name "^$1\$" 2> /dev/null | wc -l
}

# Waits up to a minute for a condition.
wait_for() {
  for _ in $(seq 120); do
    if eval "$1"; then return 0; fi
    sleep 0.5
  done
  fail "timed out waiting for: $2"
}

# A still picture in PNG: many colours (the bare desktop has one), the same
# twice running.
take_screenshot() {
  rm -f "$work/last.pnm"
  for _ in $(seq 60); do
    sleep 1
    xwd -root -silent | xwdtopnm > "$work/shot.pnm" 2> /dev/null
    if [ "$(ppmhist -noheader "$work/shot.pnm" | wc -l)" -gt 20 ] && cmp -s "$work/shot.pnm" "$work/last.pnm"; then
      mkdir -p "$(dirname "$1")"
      pnmcrop -sides "$work/shot.pnm" 2> /dev/null | pnmtopng > "$1"
      return 0
    fi
    cp "$work/shot.pnm" "$work/last.pnm"
  done
  fail "the screen did not settle"
}
