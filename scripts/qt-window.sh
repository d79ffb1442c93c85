# Sourced by the scripts that take pictures of the real Qt window, from the
# repository's root: builds the window and gives it a virtual display, a
# scratch folder ($work) and settings folders of its own, so that nothing
# reaches the user's desktop or home folder; fail() ends the script with a
# reason.
# shellcheck shell=bash
# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh

# Xvfb, ImageMagick's import, xdotool, and the CJK fonts that stand in for a
# Chinese desktop's.
scripts/setup.sh --for "the window's pictures" xvfb imagemagick xdotool fonts-arphic-ukai \
  fonts-arphic-uming fonts-wqy-microhei
scripts/build.sh zolt
start_display 1024x768
work=$(mktemp -d)
on_exit "rm -rf '$work'"
fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}
qt_home="$(mktemp -d)"
on_exit "rm -rf '$qt_home'"
export XDG_CONFIG_HOME="$qt_home/config" XDG_RUNTIME_DIR="$qt_home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# The window speaks a UTF-8 locale, as on a desktop, whatever the caller's
# (none at all, say): in the C locale Qt hands the X server the title's UTF-8
# bytes as Latin-1, and no search finds the window named ZOLT编译器.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

# Starts the window with ARGUMENTS; it is closed when the script ends.
start_window() {
  build/shell/qt/zolt "$@" &
  on_exit "kill $!"
}
