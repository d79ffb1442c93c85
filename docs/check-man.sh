#!/usr/bin/env bash
# The manual pages render cleanly: groff gives no warning on its typesetter
# device, with the input read raw and through preconv (-k); and man -l on a
# UTF-8 terminal neither warns nor shows stray characters (a quote, a
# backslash, a request that leaked into the text, a replacement character),
# and shows the texts a reader copies as the programs write them.
#   docs/check-man.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# What each page must show on a terminal, whitespace runs taken as one space.
declare -A shows=(
  [zoltasm.1]='SOURCE:LINE:COLUMN: error: CAUSE|SOURCE[:LINE:COLUMN]: fatal error: CAUSE|assembly stopped.|编译完成 (compile complete)|发现 n处错误|文件不能打开!|/usr/share/doc/zolt/examples/|/usr/share/zolt/editors/'
  [zolt.1]='文件 (File)|打开 (Open)|退出 (Exit)|编译完成 (compile complete)|发现 n处错误|文件不能打开!'
)

failures=0
fail() {
  echo "check-man: $*" >&2
  failures=$((failures + 1))
}

for page in "$here"/man/*.1; do
  name="$(basename "$page")"
  for preconv in "" -k; do
    if ! groff -ww -z $preconv -man "$page" > "$work/warnings" 2>&1 || [ -s "$work/warnings" ]; then
      fail "groff -ww -z${preconv:+ $preconv} -man $name is not silent:"
      cat "$work/warnings" >&2
    fi
  done

  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" > "$work/text" 2> "$work/warnings" || fail "man -l $name failed"
  if [ -s "$work/warnings" ]; then
    fail "man -l $name warns:"
    cat "$work/warnings" >&2
  fi
  if grep -nP '["\\\x{FFFD}]|^\s*\.[A-Za-z]+(\s|$)' "$work/text" > "$work/stray"; then
    fail "man -l $name shows stray characters:"
    cat "$work/stray" >&2
  fi
  flat="$(tr -s ' \n' '  ' < "$work/text")"
  IFS='|' read -r -a texts <<< "${shows[$name]:-}"
  for text in "${texts[@]}"; do
    [[ "$flat" == *"$text"* ]] || fail "man -l $name does not show '$text'"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "check-man: $(ls "$here"/man/*.1 | wc -l) pages render without warnings or stray characters"
