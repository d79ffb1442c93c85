#!/usr/bin/env bash
# Checks the Debian package with Debian's own checker, lintian, which must
# report no error and no warning; installs it, checks what a user gets from
# it, and removes it again, checking that nothing stays behind. Runs as root.
#   packaging/linux/check-deb.sh dist/zolt_VERSION_amd64.deb EDITOR_SUPPORT [PAGE]
# EDITOR_SUPPORT is the editor support the package's build made, PAGE the
# browser page it carries, if any.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
# shellcheck source=scripts/on-exit.sh
. "$root/scripts/on-exit.sh"
deb="$(realpath "$1")"
support="$(realpath "$2")"
page="${3:-}"
work="$(mktemp -d)"
on_exit "rm -rf '$work'"

fail() {
  echo "check-deb: $*" >&2
  exit 1
}

# The informational tags are shown too; the package's overrides say why
# each tag they hold does not fit it.
lintian --info --display-info --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

if dpkg-query -W -f='${Status}' zolt 2> /dev/null | grep -q 'install ok installed'; then
  fail "zolt is installed already; remove it first"
fi
dpkg -i "$deb" > /dev/null || fail "dpkg -i failed"
removed=false
remove() {
  $removed || dpkg --purge zolt > /dev/null
  removed=true
}
on_exit remove

depends="$(dpkg-deb -f "$deb" Depends)"
[[ "$depends" == *libc6* && "$depends" == *libqt6widgets6* && "$depends" == *qt6-translations-l10n* ]] || fail "dependencies not worked out: $depends"
for file in /usr/bin/zolt /usr/bin/zoltasm; do
  [ -x "$file" ] || fail "$file is missing"
done
for file in /usr/share/applications/zolt.desktop /usr/share/mime/packages/zolt.xml \
  /usr/share/icons/hicolor/48x48/apps/zolt.png /usr/share/icons/hicolor/scalable/apps/zolt.svg \
  /usr/share/man/man1/zoltasm.1.gz /usr/share/man/man1/zolt.1.gz \
  /usr/share/man/zh_CN/man1/zoltasm.1.gz /usr/share/man/zh_CN/man1/zolt.1.gz /usr/share/doc/zolt/guide.md; do
  [ -f "$file" ] || fail "$file is missing"
done
desktop-file-validate /usr/share/applications/zolt.desktop || fail "the desktop entry is not valid"

# The changelog's newest entry is the package's version, and every link of
# the installed read-me leads to a file of the package.
doc=/usr/share/doc/zolt
zcat "$doc/changelog.gz" > "$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "the changelog's newest entry is not the package's version"
while IFS= read -r link; do
  case "$link" in *:* | '#'*) continue ;; esac
  [ -e "$doc/${link%%#*}" ] || fail "the read-me links $link, which is not installed there"
done < <("$root/packaging/linux/readme-links.pl" "$doc/README.md")

# The examples and the editor support, where the guide sends the user, the
# same as in the source tree and as the build made them.
examples=/usr/share/doc/zolt/examples
editors=/usr/share/zolt/editors
for folder in "$examples" "$editors"; do
  grep -qF "$folder" "$root/docs/guide.md" || fail "the guide does not name $folder"
done
for example in "$root"/examples/*.ZOL; do
  cmp -s "$example" "$examples/$(basename "$example")" || fail "$examples/$(basename "$example") is missing or differs"
done
while IFS= read -r file; do
  cmp -s "$support/$file" "$editors/$file" || fail "$editors/$file is missing or differs"
done < <(cd "$support" && find . -type f -printf '%P\n')
# The browser page as ./build-web.sh made it, and its desktop entry.
web=/usr/share/zolt/web/zolt-playground.html
if [ -n "$page" ]; then
  cmp -s "$page" "$web" || fail "$web is missing or differs"
  desktop-file-validate /usr/share/applications/zolt-web.desktop || fail "the page's desktop entry is not valid"
  grep -qx "Exec=xdg-open $web" /usr/share/applications/zolt-web.desktop || fail "the page's desktop entry does not open $web"
fi
unzip -Z1 "$editors/zolt-language.vsix" | grep -x extension/node_modules/vscode-languageclient/package.json > /dev/null ||
  fail "$editors/zolt-language.vsix is missing or lacks its language client"

# The command line tool assembles the installed examples.
for example in "$examples"/*.ZOL; do
  name="$(basename "$example" .ZOL)"
  cp "$example" "$work/"
  status="$(cd "$work" && zoltasm "$name.ZOL")" || fail "zoltasm failed on $example"
  [ "$status" = "编译完成" ] || fail "zoltasm said '$status' on $example"
  for output in "$name.lst" "$name.obj"; do
    [ -s "$work/$output" ] || fail "zoltasm wrote no $output"
  done
done

# The window starts without a display and opens a file given to it.
"$root/packaging/linux/check-start.sh" /usr/bin/zolt /usr/bin/zoltasm "$root/examples/demo.ZOL" ||
  fail "the installed window does not open a source named on its command line"

# File managers see ZOLT sources and open them with the window.
touch "$work/x.ZOL" "$work/y.zol"
for file in "$work/x.ZOL" "$work/y.zol"; do
  type="$(xdg-mime query filetype "$file")"
  [ "$type" = "text/x-zolt" ] || fail "xdg-mime says $file is '$type'"
done
handler="$(xdg-mime query default text/x-zolt)"
[ "$handler" = "zolt.desktop" ] || fail "ZOLT sources open with '$handler'"

remove
dpkg-query -W -f='${Status}' zolt 2> /dev/null | grep -q 'installed' && fail "zolt is still installed"
for file in /usr/bin/zolt /usr/bin/zoltasm /usr/share/applications/zolt.desktop \
  /usr/share/mime/packages/zolt.xml /usr/share/icons/hicolor/48x48/apps/zolt.png "$examples" "$editors" \
  /usr/share/zolt /usr/share/applications/zolt-web.desktop; do
  [ ! -e "$file" ] || fail "$file is left after removal"
done
type="$(xdg-mime query filetype "$work/x.ZOL")"
[ "$type" != "text/x-zolt" ] || fail "the MIME type is left after removal"
echo "check-deb: $(basename "$deb") installs, works and removes cleanly"
