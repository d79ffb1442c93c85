#!/usr/bin/env bash
# Prepares the Windows build's Wine prefix for the window: Chinese captions
# need fonts for "宋体" and "华文新魏" (the AR PL fonts stand in for them), the
# menu and dialog fonts link to WenQuanYi for their Chinese characters, and
# the title bar's buttons need Wine's Marlett. Runs once per prefix.
# Usage: scripts/wine-prefix.sh BUILD_DIR
set -euo pipefail

build=$(realpath "$1")
prefix="${WINEPREFIX:-$build/wine}"
marker="$prefix/.zolt-fonts"
[ -f "$marker" ] && exit 0

run() { "$build/wine-run" "$@" > /dev/null; }

run cmd /c exit
replacements='HKCU\Software\Wine\Fonts\Replacements'
run reg add "$replacements" /v "宋体" /d "AR PL UMing CN" /f
run reg add "$replacements" /v "华文新魏" /d "AR PL UKai CN" /f
links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" SimSun; do
  run reg add "$links" /v "$font" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei" /f
done
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
touch "$marker"
