#!/usr/bin/env bash
# Packs the Windows build into a zip a user unpacks and runs in place: the two
# programs (with any DLL beside them), the examples, the guide, the editor
# support and a read-me with Windows line ends.
#   packaging/windows/make-zip.sh VERSION WINDOWS_BUILD_DIR OUT.zip
set -euo pipefail
version="$1"
from="$(realpath "$2")"
out="$(realpath -m "$3")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
folder="zolt-${version}-windows-x64"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

top="$stage/$folder"
mkdir -p "$top/examples" "$top/docs" "$top/editors"
cp "$from"/*.exe "$top/"
cp "$from"/*.dll "$top/" 2> /dev/null || true
cp "$root"/examples/*.ZOL "$top/examples/"
cp "$root/docs/guide.md" "$root"/docs/man/*.1 "$top/docs/"
cp -r "$root/editors/vscode" "$root/editors/sublime" "$root/editors/vim" "$root/editors/README.md" "$top/editors/"
# A byte-order mark so that Notepad shows the Chinese text on every Windows.
{
  printf '\xEF\xBB\xBF'
  sed 's/$/\r/' "$root/packaging/windows/README.txt"
} > "$top/README.txt"

rm -f "$out"
(cd "$stage" && zip -qrX "$out" "$folder")
echo "built ${out#"$root"/}"
