#!/usr/bin/env bash
# The manual pages render cleanly, the English ones in man/ and their
# Simplified Chinese translations in man/zh_CN/ (UTF-8): groff gives no
# warning, on its typesetter device for the English pages (input read raw
# and through preconv, -k) and on the UTF-8 terminal device through preconv
# for the Chinese ones, which the typesetter has no glyphs for; and man -l
# on a UTF-8 terminal neither warns nor shows stray characters (a quote, a
# backslash, a request that leaked into the text, a replacement character),
# and shows the texts a reader copies as the programs write them. Every
# English page has its Chinese one.
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
# The same for the Chinese pages, compared without whitespace, since lines
# break between any two Chinese characters.
declare -A shows_zh=(
  [zoltasm.1]='源程序:行:列:错误：原因|源程序[:行:列]:致命错误：原因|汇编中止。|编译完成|发现n处错误|文件不能打开!|/usr/share/doc/zolt/examples/|/usr/share/zolt/editors/'
  [zolt.1]='“文件”|“打开”|“退出”|编译完成|发现n处错误|文件不能打开!'
)

failures=0
fail() {
  echo "check-man: $*" >&2
  failures=$((failures + 1))
}

for page in "$here"/man/*.1 "$here"/man/zh_CN/*.1; do
  name="$(basename "$page")"
  case "$page" in
    */zh_CN/*) chinese=1; runs=("-k -Tutf8") ;;
    *) chinese=0; runs=("" "-k")
       [ -f "$here/man/zh_CN/$name" ] || fail "$name has no Chinese translation in man/zh_CN" ;;
  esac
  for options in "${runs[@]}"; do
    if ! groff -ww -z $options -man "$page" > "$work/warnings" 2>&1 || [ -s "$work/warnings" ]; then
      fail "groff -ww -z${options:+ $options} -man $name is not silent:"
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
  if [ "$chinese" = 1 ]; then
    flat="$(tr -d ' \n' < "$work/text")"
    IFS='|' read -r -a texts <<< "${shows_zh[$name]:-}"
  else
    flat="$(tr -s ' \n' '  ' < "$work/text")"
    IFS='|' read -r -a texts <<< "${shows[$name]:-}"
  fi
  for text in "${texts[@]}"; do
    [[ "$flat" == *"$text"* ]] || fail "man -l $name does not show '$text'"
  done
done

[ "$failures" -eq 0 ] || exit 1
echo "check-man: $(ls "$here"/man/*.1 "$here"/man/zh_CN/*.1 | wc -l) pages render without warnings or stray characters"
