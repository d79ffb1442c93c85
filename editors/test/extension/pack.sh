#!/usr/bin/env bash
# Packs the VS Code extension as it is published: vsce, the publisher's own
# tool, checks the manifest, that the files it names are there and that the
# pinned language client goes in with the extension.
#   editors/test/extension/pack.sh EXTENSION WORK
# EXTENSION is the vscode/ folder of the editor support the build made (with
# its grammar), WORK receives zolt-language.vsix.
set -euo pipefail
extension="$(realpath "$1")"
work="$(realpath -m "$2")"
here="$(cd "$(dirname "$0")" && pwd)"

"$here/../npm-ci.sh" "$here" "$work/vsce"
# The extension's own dependencies, then its files over them.
"$here/../npm-ci.sh" "$extension" "$work/extension"
tar -C "$extension" --exclude=./node_modules -cf - . | tar -C "$work/extension" -xf -

vsix="$work/zolt-language.vsix"
rm -f "$vsix"
(cd "$work/extension" && "$work/vsce/node_modules/.bin/vsce" package --skip-license \
  --allow-missing-repository --out "$vsix")
contents="$(unzip -Z1 "$vsix")"
for file in extension/package.json extension/extension.js extension/syntaxes/zolt.tmLanguage.json \
  extension/node_modules/vscode-languageclient/package.json; do
  if ! grep -qx "$file" <<< "$contents"; then
    echo "$vsix lacks $file" >&2
    exit 1
  fi
done
echo "packed $vsix"
