#!/usr/bin/env bash
# Builds the Windows setup program with NSIS: the same files as the zip,
# installed per machine or per user, with a Start-menu shortcut, the *.ZOL
# file type, an optional PATH entry and an uninstaller.
#   packaging/windows/make-setup.sh VERSION WINDOWS_BUILD_DIR OUT.exe
set -euo pipefail
version="$1"
from="$(realpath "$2")"
out="$(realpath -m "$3")"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

stage="$work/stage"
"$here/stage.sh" "$from" "$stage"
perl "$root/scripts/xpm-to-ico.pl" "$root/shell/qt/zolt.xpm" "$work/zolt.ico"

# Every file by name, both ways: the uninstaller removes exactly what the
# setup put there and leaves whatever else a user keeps in those folders.
(cd "$stage" && find . -type f -printf '%P\n' | LC_ALL=C sort) > "$work/files"
(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | LC_ALL=C sort -r) > "$work/folders"
if grep -v '^[A-Za-z0-9._/ -]*$' "$work/files"; then
  echo "make-setup: the names above cannot be written into the setup script" >&2
  exit 1
fi
# A path below the installation folder as NSIS writes it.
below() { printf '%s%s' "\$INSTDIR" "$(printf '/%s' "$1" | sed 's|/\.$||; s|/|\\|g')"; }
folder=""
while IFS= read -r file; do
  if [ "$(dirname "$file")" != "$folder" ]; then
    folder="$(dirname "$file")"
    echo "SetOutPath \"$(below "$folder")\""
  fi
  echo "File \"$stage/$file\""
done < "$work/files" > "$work/install-files.nsh"
while IFS= read -r file; do echo "Delete \"$(below "$file")\""; done < "$work/files" > "$work/uninstall-files.nsh"
while IFS= read -r folder; do echo "RMDir \"$(below "$folder")\""; done < "$work/folders" > "$work/uninstall-folders.nsh"
# The programs, which Windows locks while they run: none may be running
# when the setup or the uninstaller changes the folder.
grep -iE '^[^/]*\.(exe|dll)$' "$work/files" | sed 's/.*/!insertmacro PROGRAM_IN_USE "&"/' > "$work/programs.nsh"

# The Start-menu entry of the browser page, when the page is there.
web=()
[ -f "$stage/web/zolt-playground.html" ] && web=(-DWEB_PAGE)
makensis -V2 -WX -INPUTCHARSET UTF8 -DVERSION="$version" -DLISTS="$work" -DICON="$work/zolt.ico" \
  "${web[@]}" -DOUTFILE="$out" "$here/zolt.nsi"
echo "built ${out#"$root"/}"
