# Sourced by the scripts that take pictures of the real Qt window, from the
# repository's root: builds the window and gives it a virtual display and
# settings folders of its own, so that nothing reaches the user's desktop or
# home folder.
# shellcheck shell=bash
# shellcheck source=scripts/xvfb.sh
. scripts/xvfb.sh

scripts/setup.sh imagemagick xdotool
cmake -S . -B build > /dev/null
cmake --build build -j "$(nproc)" --target zolt > /dev/null
start_display 1024x768
qt_home="$(mktemp -d)"
on_exit "rm -rf '$qt_home'"
export XDG_CONFIG_HOME="$qt_home/config" XDG_RUNTIME_DIR="$qt_home/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Starts the window with ARGUMENTS; it is closed when the script ends.
start_window() {
  build/shell/qt/zolt "$@" &
  on_exit "kill $!"
}
