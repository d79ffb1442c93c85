#!/usr/bin/env bash
# The message catalog's upkeep, with gettext's own tools:
#   messages/po/catalog.sh update   extracts every text of the code into
#                                   zolt.pot (in a temporary folder) and merges
#                                   it into zh_CN.po, for a translator to fill in
#   messages/po/catalog.sh check    fails unless zh_CN.po holds every text of
#                                   the code, translated and not fuzzy, and
#                                   nothing the code no longer says
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The texts: Message(...) and N_(...) kept to be shown later, Tr(...) shown at once.
(cd "$root" && find compiler disassembler files cli shell lsp messages -name "*.cpp" -o -name "*.h" |
  sort > "$work/files")
(cd "$root" && xgettext --language=C++ --from-code=UTF-8 --keyword=Message --keyword=N_ \
  --keyword=Tr --package-name=zolt --msgid-bugs-address=maintainers@zolt.invalid \
  --sort-by-file --files-from="$work/files" -o "$work/zolt.pot")
# The browser page's own texts, in its scripts: N_(...) kept, Tr(...) shown at once.
(cd "$root" && find web/page -name "*.js" | sort > "$work/scripts")
(cd "$root" && xgettext --language=JavaScript --from-code=UTF-8 --keyword=N_ --keyword=Tr \
  --package-name=zolt --msgid-bugs-address=maintainers@zolt.invalid --join-existing --sort-by-file --files-from="$work/scripts" -o "$work/zolt.pot")

case "${1:-}" in
  update)
    msgmerge --quiet --update --backup=none --no-fuzzy-matching "$here/zh_CN.po" "$work/zolt.pot"
    msgattrib --no-obsolete -o "$here/zh_CN.po" "$here/zh_CN.po"
    ;;
  check)
    msgcmp "$here/zh_CN.po" "$work/zolt.pot"
    msgfmt --check --statistics -o /dev/null "$here/zh_CN.po" 2> "$work/statistics"
    cat "$work/statistics"
    if grep -E 'fuzzy|untranslated' "$work/statistics" > /dev/null; then
      echo "zh_CN.po has fuzzy or untranslated entries" >&2
      exit 1
    fi
    # A Chinese text places its own quotes around a quoted word, GCC's ‘’:
    # an ASCII quote in one is one the translation forgot.
    if sed -n '/^msgstr/,/^$/p' "$here/zh_CN.po" | grep "'" >&2; then
      echo "zh_CN.po quotes with ASCII quotes; write ‘%s’" >&2
      exit 1
    fi
    msgmerge --quiet --no-fuzzy-matching -o "$work/merged.po" "$here/zh_CN.po" "$work/zolt.pot"
    stale=$(msgattrib --only-obsolete "$work/merged.po" | grep -c '^#~ msgid' || true)
    if [ "$stale" -ne 0 ]; then
      echo "zh_CN.po holds $stale texts the code no longer says; run $0 update" >&2
      exit 1
    fi
    ;;
  *)
    echo "usage: $0 update|check" >&2
    exit 2
    ;;
esac
