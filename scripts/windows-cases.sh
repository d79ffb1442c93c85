#!/usr/bin/env bash
# Runs the end-to-end cases of tests/cases with zoltasm.exe under Wine, each in
# a folder with a Chinese name, and compares everything byte for byte with the
# files the Linux build is held to. The Windows side differs in three known
# ways, which the expected files are translated for: the folder is a Windows
# path (Z:\...), the console text is in the console's code page, and the
# listing's file-name line is in the system's ANSI code page (both GBK in the
# build's Chinese Wine). The source's bytes in the listing stay as read.
# Usage: scripts/windows-cases.sh BUILD_DIR ZOLTASM_EXE
set -euo pipefail

build=$(realpath "$1")
zoltasm=$(realpath "$2")
cases=$(realpath "$(dirname "$0")/../tests/cases")
code_page=GBK

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Expected text with @DIR@ standing for the case's folder as Windows names it.
expected() {
  DIR="$2" perl -pe 's{\@DIR\@/?}{$ENV{DIR}\\}g; s{\\\\}{\\}g' "$1"
}

# Names the first differing line, like the Linux runner.
compare() {
  local what=$1 want=$2 got=$3
  if cmp -s "$want" "$got"; then return 0; fi
  echo "  $what differs:"
  diff -a "$want" "$got" | head -4 | sed 's/^/    /' || true
  return 1
}

failed=0
total=0
# The first argument that is not an option names the source, as in the
# Linux runner.
source_name_of() {
  local argument options=1
  for argument in "$@"; do
    if [ "$options" = 1 ] && [ "$argument" = -- ]; then
      options=0
    elif [ -n "$argument" ] && { [ "$options" = 0 ] || [ "${argument#-}" = "$argument" ]; }; then
      printf '%s' "$argument"
      return
    fi
  done
}

# One stream of a case's expected transcript (NAME.out).
stream() {
  sed -n "s/^$1: \{0,1\}//p" "$2"
}

for source in "$cases"/*.zol; do
  name=$(basename "$source" .zol)
  total=$((total + 1))
  dir="$work/编译 $name"
  mkdir -p "$dir"
  windows_dir="Z:$(printf '%s' "$dir" | tr / '\\')"
  arguments=("$name.zol")
  [ -f "$cases/$name.args" ] && mapfile -t arguments < "$cases/$name.args"
  source_name=$(source_name_of "${arguments[@]}")
  [ -n "$source_name" ] || source_name="$name.zol"
  cp "$source" "$dir/$source_name"

  status=0
  (cd "$dir" && "$build/wine-run" "$zoltasm" "${arguments[@]}" > "$work/out" 2> "$work/err") || status=$?

  ok=0
  expected_status=$(sed -n 's/^exit //p' "$cases/$name.out")
  if [ "$status" != "$expected_status" ]; then
    echo "  status $status, expected $expected_status"
    ok=1
  fi
  stream stdout "$cases/$name.out" > "$work/stdout"
  expected "$work/stdout" "$windows_dir" | iconv -f UTF-8 -t "$code_page" > "$work/want"
  compare stdout "$work/want" "$work/out" || ok=1
  stream stderr "$cases/$name.out" > "$work/stderr"
  expected "$work/stderr" "$windows_dir" | iconv -f UTF-8 -t "$code_page" > "$work/want"
  compare stderr "$work/want" "$work/err" || ok=1
  cmp -s "$source" "$dir/$source_name" || { echo "  the source was changed"; ok=1; }

  stem=${source_name%???}
  for extension in lst obj; do
    actual="$dir/$stem$extension"
    if [ -f "$cases/$name.$extension" ]; then
      if [ ! -f "$actual" ]; then
        echo "  $stem$extension was not written"
        ok=1
        continue
      fi
      expected "$cases/$name.$extension" "$windows_dir" > "$work/want"
      if [ "$extension" = lst ]; then
        # Only the file-name line is translated; the rest is the source's bytes.
        { head -n 1 "$work/want" | iconv -f UTF-8 -t "$code_page"; tail -n +2 "$work/want"; } > "$work/want-lst"
        mv "$work/want-lst" "$work/want"
      fi
      compare "$extension" "$work/want" "$actual" || ok=1
    elif [ "$actual" != "$dir/$source_name" ] && [ -e "$actual" ]; then
      echo "  $stem$extension should not have been written"
      ok=1
    fi
  done

  if [ "$ok" -ne 0 ]; then
    echo "FAILED $name"
    failed=$((failed + 1))
  fi
done

echo "windows cases: $((total - failed)) of $total passed"
[ "$failed" -eq 0 ]
