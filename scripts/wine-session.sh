# The Wine session of the Windows build: its own prefix in the build folder,
# a Chinese Windows (code page 936 for file names and the console), no debug
# output and no menu entries on the desktop. Every script that runs Windows
# programs sources it, and so does the build's wrapper wine-run.
# shellcheck shell=bash
# shellcheck source=scripts/on-exit.sh
. "$(dirname "${BASH_SOURCE[0]}")/on-exit.sh"

# The environment of Wine for the Windows build in BUILD.
wine_environment() {
  export WINEPREFIX="$1/wine" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
  # The locale is compiled into the build folder; its UTF-8 side carries
  # Chinese arguments into Wine intact. Wine takes its UI language from it;
  # ZOLT_WINE_LANG names another for the checks of an English Windows.
  export LOCPATH="$1/locale" LANG="${ZOLT_WINE_LANG:-zh_CN.UTF-8}"
}

# Prepares the prefix for the windows, once: Chinese captions need fonts for
# "宋体" and "华文新魏" (the AR PL fonts stand in for them), the menu and dialog
# fonts link to WenQuanYi for their Chinese characters, and the title bar's
# buttons need Wine's Marlett.
wine_fonts() {
  local wine="$1/wine-run" marker="$WINEPREFIX/.zolt-fonts" replacements links font
  [ -f "$marker" ] && return 0
  replacements='HKCU\Software\Wine\Fonts\Replacements'
  "$wine" reg add "$replacements" /v "宋体" /d "AR PL UMing CN" /f > /dev/null
  "$wine" reg add "$replacements" /v "华文新魏" /d "AR PL UKai CN" /f > /dev/null
  links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" SimSun; do
    "$wine" reg add "$links" /v "$font" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f > /dev/null
  done
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$marker"
}

# The environment, Wine's server kept running until the script ends (or
# every program waits for Wine's background processes to start and stop),
# and the prefix made and ready for the windows.
wine_session() {
  local build
  build="$(realpath "$1")"
  wine_environment "$build"
  mkdir -p "$WINEPREFIX"
  # (Already running is fine: wineserver -p then says so and fails.)
  wineserver -p 2> /dev/null || true
  on_exit 'wineserver -k 2> /dev/null'
  # Wine makes the prefix, and starts its background processes, here once
  # rather than in the first check.
  "$build/wine-run" cmd /c exit > /dev/null
  wine_fonts "$build"
}
