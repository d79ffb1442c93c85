#!/usr/bin/env bash
# The editor checks on the editor support the build made: installs the pinned
# npm packages into WORK (once per lock file), tokenizes every example and
# test case with the TextMate grammar, reads zoltasm's messages with the VS
# Code problem matchers, and checks the Vim syntax against the same spans when
# Vim is installed.
#   editors/test/run.sh ZOLTASM SUPPORT MNEMONICS.json WORK
set -euo pipefail
zoltasm="$1"
support="$2"
mnemonics="$3"
work="$4"
here="$(cd "$(dirname "$0")" && pwd)"
root="$here/../.."

"$here/npm-ci.sh" "$here" "$work"

shopt -s nullglob
sources=("$here"/all_forms.ZOL "$root"/examples/*.ZOL "$root"/tests/cases/*/*.zol)
NODE_PATH="$work/node_modules" node "$here/check_grammar.js" "$zoltasm" "$support" "$mnemonics" "$work/vim" \
  "${sources[@]}"

if command -v vim > /dev/null; then
  status=0
  ZOLT_VIM_RUNTIME="$support/vim" ZOLT_VIM_EXPECTATIONS="$work/vim/spans.json" ZOLT_VIM_RESULT="$work/vim-result.txt" \
    vim -Es -u NONE -N -i NONE --cmd 'set encoding=latin1' -S "$here/check_vim.vim" || status=$?
  cat "$work/vim-result.txt"
  exit "$status"
fi
echo "vim is not installed: the Vim syntax was not checked"
