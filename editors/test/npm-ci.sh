#!/usr/bin/env bash
# Installs the npm packages pinned by FOLDER's package-lock.json into WORK,
# once per lock file (the editor checks each keep their own).
#   editors/test/npm-ci.sh FOLDER WORK
set -euo pipefail
folder="$1"
work="$2"

mkdir -p "$work"
if ! cmp -s "$folder/package-lock.json" "$work/package-lock.json" || [ ! -d "$work/node_modules" ]; then
  cp "$folder/package.json" "$folder/package-lock.json" "$work/"
  # A package whose engines refuse this Node stops the install, rather than
  # failing later in a way that hides why (Debian 12's Node is 18).
  (cd "$work" && npm ci --engine-strict --no-audit --no-fund --loglevel=error)
fi
