#!/usr/bin/env bash
# Unpacks the Windows zip, checks what a user finds in it and runs the Windows
# build's Wine checks on the unpacked programs.
#   packaging/windows/check-zip.sh dist/zolt-VERSION-windows-x64.zip
set -euo pipefail
zip="$(realpath "$1")"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "check-zip: $*" >&2
  exit 1
}

unzip -q "$zip" -d "$work"
top="$work/$(basename "$zip" .zip)"
[ -d "$top" ] || fail "the zip does not hold the folder $(basename "$top")"
for file in zolt.exe zoltasm.exe README.txt docs/guide.md editors/vscode/package.json \
  editors/zolt-language.vsix; do
  [ -s "$top/$file" ] || fail "$file is missing"
done
for example in "$root"/examples/*.ZOL; do
  cmp -s "$example" "$top/examples/$(basename "$example")" || fail "examples/$(basename "$example") is missing"
done
if [ -n "${ZOLT_WEB_PAGE:-}" ]; then
  cmp -s "$ZOLT_WEB_PAGE" "$top/web/zolt-playground.html" || fail "web/zolt-playground.html is missing or differs"
fi
for exe in zolt.exe zoltasm.exe; do
  head -c 2 "$top/$exe" | grep -q '^MZ' || fail "$exe is not a Windows program"
done
# Every line of the read-me ends in CR LF, and it holds both languages.
[ "$(grep -c $'\r$' "$top/README.txt")" -eq "$(wc -l < "$top/README.txt")" ] ||
  fail "README.txt has lines without CR LF"
for language in 中文 English; do
  grep -q "$language" "$top/README.txt" || fail "README.txt has no $language part"
done

# The Windows build's own Wine checks, on the programs as unpacked, in the
# Wine prefix that build-windows.sh prepared.
build="$root/build-windows"
[ -x "$build/wine-run" ] || fail "no Windows build in $build: run ./build-windows.sh first"
# shellcheck source=scripts/wine-session.sh
. "$root/scripts/wine-session.sh"
wine_session "$build"
ZOLT_ZOLTASM="$top/zoltasm.exe" ctest --test-dir "$build" -R '^end_to_end_cases$' --output-on-failure ||
  fail "the end-to-end cases failed with the unpacked zoltasm.exe"
"$root/scripts/windows-window-smoke.sh" "$build" "$top/zolt.exe" "$top/zoltasm.exe" "$work/window.png" ||
  fail "the unpacked zolt.exe failed its window check"
echo "check-zip: $(basename "$zip") holds what a user needs"
