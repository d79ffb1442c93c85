#!/usr/bin/env bash
# Packs the Windows build into a zip a user unpacks and runs in place.
#   packaging/windows/make-zip.sh VERSION WINDOWS_BUILD_DIR OUT.zip
set -euo pipefail
version="$1"
from="$(realpath "$2")"
out="$(realpath -m "$3")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
folder="zolt-${version}-windows-x64"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

"$root/packaging/windows/stage.sh" "$from" "$stage/$folder"
rm -f "$out"
(cd "$stage" && zip -qrX "$out" "$folder")
echo "built ${out#"$root"/}"
