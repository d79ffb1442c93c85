#!/usr/bin/env bash
# Lays out what a Windows user gets, as the zip and the setup program both
# hold it: the two programs (with any DLL beside them), the examples, the
# guide, the editor support that the package build made (the folder
# ZOLT_EDITORS names, with the packed VS Code extension that ZOLT_VSIX names,
# when it is set), the browser page in web\ (when ZOLT_WEB_PAGE names it) and
# a read-me with Windows line ends.
#   packaging/windows/stage.sh WINDOWS_BUILD_DIR FOLDER
set -euo pipefail
from="$(realpath "$1")"
top="$2"
root="$(cd "$(dirname "$0")/../.." && pwd)"

mkdir -p "$top/examples" "$top/docs" "$top/editors"
cp "$from"/*.exe "$top/"
cp "$from"/*.dll "$top/" 2> /dev/null || true
cp "$root"/examples/*.ZOL "$top/examples/"
cp "$root/docs/guide.md" "$root"/docs/man/*.1 "$top/docs/"
# The pictures the guide shows, beside it.
cp "$root"/docs/details-*-zh.png "$root/docs/open-dialog-linux-zh.png" "$top/docs/"
cp -r "${ZOLT_EDITORS:?the editor support the package build made}/." "$top/editors/"
if [ -n "${ZOLT_VSIX:-}" ]; then cp "$ZOLT_VSIX" "$top/editors/"; fi
if [ -n "${ZOLT_WEB_PAGE:-}" ]; then
  mkdir -p "$top/web"
  cp "$ZOLT_WEB_PAGE" "$top/web/"
fi
# A byte-order mark so that Notepad shows the Chinese text on every Windows.
{
  printf '\xEF\xBB\xBF'
  sed 's/$/\r/' "$root/packaging/windows/README.txt"
} > "$top/README.txt"
