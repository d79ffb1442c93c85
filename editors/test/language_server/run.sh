#!/usr/bin/env bash
# The language server check: installs the pinned JSON-RPC and protocol
# packages into WORK and holds the scripted conversation with SERVER --lsp
# (SERVER may be a program and its launcher, such as Wine and zoltasm.exe).
#   editors/test/language_server/run.sh WORK SERVER...
set -euo pipefail
work="$1"
shift
here="$(cd "$(dirname "$0")" && pwd)"

"$here/../npm-ci.sh" "$here" "$work"
NODE_PATH="$work/node_modules" node "$here/conversation.js" "$@" --lsp
