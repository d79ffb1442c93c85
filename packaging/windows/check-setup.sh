#!/usr/bin/env bash
# Tries the Windows setup program under Wine, in the Windows build's Wine
# prefix, on a headless X server:
# - it imports only Windows' own DLLs;
# - its first page, in Chinese on a Chinese system and in English elsewhere
#   (with a picture of the Chinese one when SCREENSHOT.png is given);
# - a silent install of an earlier version into a folder of one's own, then
#   a silent upgrade over it: files, shortcuts, file type, PATH entry and one
#   entry in the list of programs;
# - a *.ZOL and a *.zol opened through the file type, as a double-click in
#   Explorer does, each assembled by the window;
# - a silent uninstall that leaves nothing of all that behind;
# - the same for one user, without the machine's folders and keys, and
#   first with /NOPATH.
#   packaging/windows/check-setup.sh SETUP.exe WINDOWS_BUILD_DIR [SCREENSHOT.png]
set -euo pipefail
setup="$(realpath "$1")"
programs="$(realpath "$2")"
screenshot="${3:-}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build-windows"
product="ZOLT编译器"
file_type="ZOLT 源程序"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\ZOLT'
# A PATH of the user's own that the setup must add to and give back intact.
user_path='C:\tools;%USERPROFILE%\bin'
current="$(basename "$setup" | sed -n 's/^zolt-\(.*\)-setup\.exe$/\1/p')"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# shellcheck source=scripts/wine-desktop.sh
. "$root/scripts/wine-desktop.sh"
# shellcheck source=scripts/wine-session.sh
. "$root/scripts/wine-session.sh"

fail() {
  echo "check-setup: $*" >&2
  exit 1
}

[ -n "$current" ] || fail "$setup is not named zolt-VERSION-setup.exe"
# Nothing to install first: the setup loads only Windows' own DLLs.
for dll in $(x86_64-w64-mingw32-objdump -p "$setup" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]'); do
  case "$dll" in
    advapi32.dll | comctl32.dll | gdi32.dll | kernel32.dll | ole32.dll | shell32.dll | user32.dll) ;;
    *) fail "the setup needs $dll, which Windows does not bring" ;;
  esac
done
[ -x "$build/wine-run" ] || fail "no Windows build in $build: run ./build-windows.sh first"
wine_session "$build"
start_display 640x480

wine() { "$build/wine-run" "$@"; }
# Wine's console speaks the Chinese code page; a key that is not there reads
# as nothing.
registry() { { wine reg "$@" 2> /dev/null || true; } | iconv -f GBK -t UTF-8 | tr -d '\r'; }
# The data of one value (NAME, or the key's default for an empty NAME).
value() {
  if [ -z "$2" ]; then
    registry query "$1" /ve
  else
    registry query "$1" /v "$2"
  fi | sed -En 's/^ {4}.* {4}REG_[A-Z_]+ {4}//p'
}
has_key() { wine reg query "$1" > /dev/null 2>&1; }
# A Windows path in the prefix as a path here.
unix_path() { wine winepath -u "$1" 2> /dev/null; }
# A Windows environment variable, as the user's programs see it.
windows_variable() { wine cmd /c "echo %$1%" | tr -d '\r'; }
expect() { [ "$2" = "$3" ] || fail "$1 is '$2', not '$3'"; }

# A silent run of a setup or uninstaller from a batch file, with its command
# line exactly as written (/D= takes the rest of it, spaces and all).
run_silently() {
  printf '@%s\r\n' "$1" | iconv -f UTF-8 -t GBK > "$work/run.cmd"
  wine cmd /c "$(wine winepath -w "$work/run.cmd")" > /dev/null
}

# The uninstaller goes on from a copy of itself in the background: wait for
# its list entry and its folder to go.
uninstall() {
  local root_key="$1" folder
  folder="$(unix_path "$(value "$root_key\\$uninstall_key" InstallLocation)")"
  run_silently "$(value "$root_key\\$uninstall_key" QuietUninstallString)"
  wait_for "! has_key '$root_key\\$uninstall_key' && [ ! -e '$folder' ]" "the uninstaller to finish"
}

# Whatever an earlier, broken run left installed goes first.
for root_key in HKLM HKCU; do
  if has_key "$root_key\\$uninstall_key"; then uninstall "$root_key"; fi
done

# Shows the first page in the language given, checks its title, then
# cancels; takes the picture when one is asked for.
first_page() {
  local title="$1" picture="$2" program
  shift 2
  ("$@" explorer /desktop=setup,640x480 "$setup" 2> /dev/null) &
  program=$!
  wait_for "[ \"\$(windows_named '$product $title')\" -ge 1 ]" "the first page titled '$product $title'"
  xdotool mousemove 320 240
  xdotool windowfocus "$(xdotool search --name '^setup - Wine desktop$' | head -n 1)" 2> /dev/null || true
  if [ -n "$picture" ]; then
    take_screenshot "$picture"
    echo "screenshot: $picture"
  fi
  xdotool key Escape
  wait_for "[ \"\$(windows_named '$product $title')\" -ge 2 ]" "the question whether to cancel"
  xdotool key Return
  for _ in $(seq 30); do
    kill -0 "$program" 2> /dev/null || break
    sleep 1
  done
  wait "$program" || fail "the cancelled setup did not end cleanly"
}
first_page 安装 "$screenshot" wine
first_page Setup "" env LC_ALL=C.UTF-8 "$build/wine-run"

files_of() {
  local folder="$1"
  for file in zolt.exe zoltasm.exe uninstall.exe README.txt docs/guide.md editors/README.md \
    editors/vscode/package.json; do
    [ -s "$folder/$file" ] || fail "$file is not in $folder"
  done
  for example in "$root"/examples/*.ZOL; do
    cmp -s "$example" "$folder/examples/$(basename "$example")" || fail "examples/$(basename "$example") is not in $folder"
  done
}

# What an installation for ROOT_KEY (HKLM for the machine, HKCU for one
# user) registers, with the folder it went to and its Start menu.
registered() {
  local root_key="$1" windows_folder="$2" start_menu="$3" classes="$1\\Software\\Classes" entries
  [ -s "$(unix_path "$start_menu")/$product.lnk" ] || fail "no shortcut in $start_menu"
  expect "the list entry's name" "$(value "$root_key\\$uninstall_key" DisplayName)" "$product"
  expect "the list entry's version" "$(value "$root_key\\$uninstall_key" DisplayVersion)" "$version"
  expect "the list entry's publisher" "$(value "$root_key\\$uninstall_key" Publisher)" "ZOLT 编译器开发组"
  expect "the list entry's icon" "$(value "$root_key\\$uninstall_key" DisplayIcon)" "$windows_folder\\zolt.exe,0"
  [ "$(($(value "$root_key\\$uninstall_key" EstimatedSize)))" -gt 100 ] || fail "the list entry gives no size"
  entries="$(registry query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s
    registry query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s)"
  expect "the number of list entries" "$(grep -c "DisplayName    REG_SZ    $product\$" <<< "$entries")" 1
  expect "the file type of *.ZOL" "$(value "$classes\\.ZOL" "")" ZOLT.Source
  expect "the file type's name" "$(value "$classes\\ZOLT.Source" "")" "$file_type"
  expect "the file type's icon" "$(value "$classes\\ZOLT.Source\\DefaultIcon" "")" "$windows_folder\\zolt.exe,0"
  expect "the file type's command" "$(value "$classes\\ZOLT.Source\\shell\\open\\command" "")" \
    "\"$windows_folder\\zolt.exe\" \"%1\""
}

# Nothing of an installation for ROOT_KEY is left.
nothing_left() {
  local root_key="$1" folder="$2" classes="$1\\Software\\Classes"
  [ ! -e "$folder" ] || fail "$folder is still there"
  for key in "$root_key\\$uninstall_key" "$classes\\.ZOL" "$classes\\ZOLT.Source"; do
    if has_key "$key"; then fail "$key is still there"; fi
  done
  if find "$WINEPREFIX/drive_c" -name "$product.lnk" | grep .; then fail "a shortcut is still there"; fi
}

version=0.9.0
"$root/packaging/windows/make-setup.sh" "$version" "$programs" "$work/earlier-setup.exe" > /dev/null
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f > /dev/null

# For the machine, into a folder of one's own, then upgraded where it is.
machine_folder='C:\Program Files\ZOLT 编译器'
run_silently "$(wine winepath -w "$work/earlier-setup.exe") /S /D=$machine_folder"
expect "the earlier version" "$(value "HKLM\\$uninstall_key" DisplayVersion)" "$version"
version="$current"
run_silently "$(wine winepath -w "$setup") /S /DESKTOP"
folder="$(unix_path "$machine_folder")"
files_of "$folder"
[ ! -e "$(unix_path 'C:\Program Files\ZOLT')" ] || fail "the upgrade went to the default folder, not the earlier one"
registered HKLM "$machine_folder" 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
[ -s "$(unix_path 'C:\users\Public\Desktop')/$product.lnk" ] || fail "no shortcut on the desktop"
expect "the user's PATH" "$(value 'HKCU\Environment' Path)" "$user_path;$machine_folder"

# Opened as Explorer opens a double-clicked source: by its file type.
sources="$work/源 程序"
mkdir -p "$sources" "$work/cli"
cp "$root/examples/demo.ZOL" "$sources/demo.ZOL"
cp "$root/examples/demo.ZOL" "$sources/lower.zol"
cp "$root/examples/demo.ZOL" "$work/cli/demo.ZOL"
# A console finds zoltasm on the PATH.
(cd "$work/cli" && wine cmd /c zoltasm --quiet demo.ZOL > /dev/null) || fail "a console does not find zoltasm"
for source in demo.ZOL lower.zol; do
  wine start /unix "$sources/$source"
  wait_for "cmp -s '$work/cli/demo.obj' '$sources/${source%.*}.obj'" "the window to assemble $source"
  diff <(tail -n +2 "$work/cli/demo.lst") <(tail -n +2 "$sources/${source%.*}.lst") > /dev/null ||
    fail "the listing of $source differs from zoltasm's"
  wait_for "[ \"\$(windows_named '$product')\" -ge 1 ]" "the window showing the result of $source"
  wine taskkill /im zolt.exe > /dev/null
  wait_for "[ \"\$(windows_named '$product')\" -eq 0 ]" "the window to close"
done

uninstall HKLM
nothing_left HKLM "$folder"
expect "the user's PATH after uninstalling" "$(value 'HKCU\Environment' Path)" "$user_path"
[[ "$(registry query 'HKCU\Environment' /v Path)" == *REG_EXPAND_SZ* ]] || fail "the user's PATH lost its type"

# For one user, who had no PATH of their own: first without a PATH entry,
# then again with one, in place.
wine reg delete 'HKCU\Environment' /v Path /f > /dev/null
run_silently "$(wine winepath -w "$setup") /S /CurrentUser /NOPATH"
[[ "$(registry query 'HKCU\Environment')" != *"    Path    "* ]] || fail "/NOPATH made a PATH"
run_silently "$(wine winepath -w "$setup") /S /CurrentUser"
user_folder="$(value "HKCU\\$uninstall_key" InstallLocation)"
expect "the folder for one user" "$user_folder" "$(windows_variable LOCALAPPDATA)\\Programs\\ZOLT"
files_of "$(unix_path "$user_folder")"
registered HKCU "$user_folder" "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
if has_key "HKLM\\$uninstall_key"; then fail "an installation for one user is listed for the machine"; fi
expect "the user's PATH" "$(value 'HKCU\Environment' Path)" "$user_folder"
uninstall HKCU
nothing_left HKCU "$(unix_path "$user_folder")"
[[ "$(registry query 'HKCU\Environment')" != *"    Path    "* ]] || fail "the user's PATH is still there"

echo "check-setup: $(basename "$setup") installs, upgrades, opens *.ZOL files and uninstalls cleanly"
