#!/usr/bin/env bash
# The Neovim check: Debian's Neovim, headless, set up with the lines of
# editors/README.md for its version (0.7, Debian 12's, or 0.8, for 0.8 and
# later) exactly as they stand there and zoltasm first on PATH, opens SOURCE
# and must receive its diagnostics and, as inlay hints, each statement's word
# address and code words as zoltasm's listing of SOURCE writes them.
#   editors/test/neovim/run.sh ZOLTASM SOURCE WORK [0.7|0.8]
set -euo pipefail
zoltasm="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
source="$2"
work="$3"
version="${4:-0.7}"
case "$version" in
  0.7) starts='buf_attach_client' ;;
  0.8) starts='vim.lsp.start({' ;;
  *) echo "run.sh: no Neovim lines for version $version" >&2; exit 2 ;;
esac
here="$(cd "$(dirname "$0")" && pwd)"
rm -rf "$work"
mkdir -p "$work/bin" "$work/source"
ln -s "$zoltasm" "$work/bin/zoltasm"
cp "$source" "$work/source/"
copy="$work/source/$(basename "$source")"

# The first Lua block after the heading of that version.
awk -v heading="**Neovim** $version" 'index($0, heading) == 1 { found = 1 }
     found && /^```$/ { exit } found && inside { print }
     found && /^```lua$/ { inside = 1 }' "$here/../../README.md" > "$work/init.lua"
grep -qF "$starts" "$work/init.lua"

# What the listing says: "LINE @ADDRESS CODE [CODE2]" for each line with words.
"$zoltasm" "$copy" > /dev/null
tr -d '\r' < "${copy%.*}.lst" | awk -F'\t' 'NR > 3 && $1 ~ /[0-9]/ {
  gsub(/ /, "", $1); line = $4; gsub(/ /, "", line)
  words = $2; if ($3 != "") words = words " " $3
  print line " @" $1 " " words }' > "$work/expected"
{ echo "diagnostics 0"; cat "$work/expected"; } > "$work/expected_all"

[ -s "$work/expected" ]
HOME="$work" PATH="$work/bin:$PATH" ZOLT_SOURCE="$copy" ZOLT_HINTS="$work/hints" \
  timeout 60 nvim --headless --clean -u "$work/init.lua" -c "luafile $here/inlay_hints.lua"

if ! diff -u "$work/expected_all" "$work/hints"; then
  echo "FAIL: Neovim's inlay hints differ from the listing of $source" >&2
  exit 1
fi
echo "ok: Neovim $(nvim --version | head -1) with the $version lines received the diagnostics and $(wc -l < "$work/expected") inlay hints equal to the listing"
