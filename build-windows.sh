#!/usr/bin/env bash
# Builds the Windows programs with MinGW-w64 and checks them under Wine,
# headless. Installs the cross compiler and Wine when they are missing.
#   dist/windows/zolt.exe      the window
#   dist/windows/zoltasm.exe   the command line
# Checks: the GoogleTest suite, the end-to-end cases, zoltasm.exe's one
# encoding on pipes and the details window driven by a program of its own,
# through CTest with Wine as the emulator,
# zolt.exe driven from its menu on a headless X server,
# with a screenshot in docs/window-windows.png, and zolt.exe started with a
# source.
set -euo pipefail
cd "$(dirname "$0")"

scripts/setup.sh --tests --for "the Windows build and its checks under Wine" g++-mingw-w64-x86-64-posix \
  googletest wine wine64 fonts-wine xvfb x11-apps xdotool netpbm fonts-arphic-ukai fonts-arphic-uming \
  fonts-wqy-microhei perl

build=build-windows
# The toolchain is chosen once, when the build folder is made.
toolchain=()
[ -f "$build/CMakeCache.txt" ] || toolchain=(--toolchain "$PWD/cmake/mingw-w64.cmake")
# The tests are built whatever an earlier configuration chose: the checks
# below run them.
cmake -S . -B "$build" "${toolchain[@]}" -DBUILD_TESTING=ON > /dev/null
cmake --build "$build" -j "$(nproc)"

# One file each, nothing to install beside it: only Windows' own DLLs.
mkdir -p dist/windows
for program in shell/win32/zolt.exe cli/zoltasm.exe; do
  target="dist/windows/$(basename "$program")"
  x86_64-w64-mingw32-strip -o "$target" "$build/$program"
  imports=$(x86_64-w64-mingw32-objdump -p "$target" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
  for dll in $imports; do
    case "$dll" in
      kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | shell32.dll | msvcrt.dll) ;;
      *)
        echo "$target needs $dll, which Windows does not bring" >&2
        exit 1
        ;;
    esac
  done
  echo "$target imports only: $(echo $imports)"
done

# shellcheck source=scripts/wine-session.sh
. scripts/wine-session.sh
wine_session "$build"

ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
scripts/windows-window-smoke.sh "$build" dist/windows/zolt.exe dist/windows/zoltasm.exe docs/window-windows.png
scripts/windows-window-start.sh "$build" dist/windows/zolt.exe dist/windows/zoltasm.exe
