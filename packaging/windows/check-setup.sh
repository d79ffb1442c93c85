#!/usr/bin/env bash
# Tries the Windows setup program under Wine, in the Windows build's Wine
# prefix, on a headless X server:
# - it imports only Windows' own DLLs;
# - its first page, in Chinese on a Chinese system and in English elsewhere
#   (with a picture of the Chinese one when SCREENSHOT.png is given);
# - a silent install of an earlier version into a folder of one's own;
# - while zolt.exe or zoltasm.exe runs from there, a silent upgrade and a
#   silent uninstall fail with exit status 2 and a line in the log, and the
#   setup shown asks to close the program, in Chinese or in English as the
#   system's language, and stops when cancelled;
# - a silent upgrade: files, shortcuts, file type, PATH entry and one entry
#   in the list of programs; later upgrades keep the choices of the
#   installation (desktop shortcut, PATH entry) unless given again;
# - a *.ZOL and a *.zol opened through the file type, as a double-click in
#   Explorer does, each assembled by the window;
# - a silent uninstall that leaves the machine as the install found it;
# - the same for one user, first with /NOPATH, including the folder and the
#   registry key that the first installation for a user makes;
# - PATH values the setup cannot change (near or past NSIS's string length,
#   grown so after the install, or not text), odd ones, one already holding
#   the folder and one added to after the install: a PATH that cannot be
#   changed is reported with its reason and exit status 3 and left as it
#   was, and the uninstaller takes away exactly what the setup added;
# - the uninstaller shown asks to close the window and goes on once it is
#   closed, and *.ZOL gets back the file type it had.
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
# shellcheck source=scripts/xvfb.sh
. "$root/scripts/xvfb.sh"
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
# line exactly as written (/D= and _?= take the rest of it, spaces and
# all); its exit status is the program's. Now and then Wine's cmd fails to
# start a program that is there (its status 9009, 49 as an exit status here)
# although nothing of ours has run yet; that start is tried again, twice.
run_silently() {
  local status tries=3
  printf '@%s\r\n@exit %%ERRORLEVEL%%\r\n' "$1" | iconv -f UTF-8 -t GBK > "$work/run.cmd"
  while true; do
    status=0
    wine cmd /c "$(wine winepath -w "$work/run.cmd")" > /dev/null || status=$?
    tries=$((tries - 1))
    if [ "$status" -ne 49 ] || [ "$tries" -eq 0 ]; then return "$status"; fi
    echo "check-setup: Wine's cmd did not start '$1'; trying again" >&2
    sleep 2
  done
}
expect_status() {
  local status=0
  run_silently "$3" || status=$?
  expect "the exit status of $1" "$status" "$2"
}

# The setup's log; each look at it takes the lines written since the last.
log="$(unix_path "$(windows_variable TEMP)")/zolt-setup.log"
rm -f "$log"
expect_logged() {
  local lines=""
  if [ -e "$log" ]; then lines="$(iconv -f UTF-16 -t UTF-8 "$log" | tr -d '\r')"; fi
  rm -f "$log"
  grep -qF -- "$2" <<< "$lines" || fail "the log after $1 does not say '$2': '$lines'"
}

# The uninstaller runs in place (_?=) and gives its exit status; its own
# file and folder go once it has ended.
uninstall() {
  local root_key="$1" status="${2:-0}" folder
  folder="$(unix_path "$(value "$root_key\\$uninstall_key" InstallLocation)")"
  expect_status "the uninstaller" "$status" "$(value "$root_key\\$uninstall_key" QuietUninstallString)"
  if has_key "$root_key\\$uninstall_key"; then fail "the uninstaller left its list entry"; fi
  wait_for "[ ! -e '$folder' ]" "the uninstaller's folder to go"
}

# Whatever an earlier, broken run left installed goes first.
for root_key in HKLM HKCU; do
  if has_key "$root_key\\$uninstall_key"; then
    run_silently "$(value "$root_key\\$uninstall_key" QuietUninstallString)" || true
    wait_for "! has_key '$root_key\\$uninstall_key'" "the earlier run's installation to go"
  fi
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
  if [ -n "${ZOLT_WEB_PAGE:-}" ]; then
    cmp -s "$ZOLT_WEB_PAGE" "$folder/web/zolt-playground.html" || fail "web/zolt-playground.html is not in $folder"
  fi
}

# What an installation for ROOT_KEY (HKLM for the machine, HKCU for one
# user) registers, with the folder it went to and its Start menu.
registered() {
  local root_key="$1" windows_folder="$2" start_menu="$3" classes="$1\\Software\\Classes" entries
  [ -s "$(unix_path "$start_menu")/$product.lnk" ] || fail "no shortcut in $start_menu"
  if [ -n "${ZOLT_WEB_PAGE:-}" ]; then
    [ -s "$(unix_path "$start_menu")/ZOLT 网页版.lnk" ] || fail "no shortcut to the browser page in $start_menu"
  fi
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
  if find "$WINEPREFIX/drive_c" -name "$product.lnk" -o -name "ZOLT 网页版.lnk" | grep .; then
    fail "a shortcut is still there"
  fi
}

# A program of the installation running: the window until it shows, or
# zoltasm as a language server until it answers.
to_server() { printf 'Content-Length: %d\r\n\r\n%s' "${#1}" "$1" >&7; }
start_program() {
  local folder="$1"
  case "$2" in
    zolt.exe)
      (wine "$folder/zolt.exe" > /dev/null 2>&1 &)
      wait_for "[ \"\$(windows_named '$product')\" -ge 1 ]" "the window to show"
      ;;
    zoltasm.exe)
      mkfifo "$work/lsp-in"
      wine "$folder/zoltasm.exe" --lsp < "$work/lsp-in" > "$work/lsp-out" 2> /dev/null &
      server=$!
      exec 7> "$work/lsp-in"
      to_server '{"jsonrpc":"2.0","id":1,"method":"initialize","params":{"capabilities":{}}}'
      wait_for "grep -q '\"id\":1' '$work/lsp-out'" "zoltasm to answer as a language server"
      ;;
  esac
}
stop_program() {
  case "$1" in
    zolt.exe)
      wine taskkill /im zolt.exe > /dev/null
      wait_for "[ \"\$(windows_named '$product')\" -eq 0 ]" "the window to close"
      ;;
    zoltasm.exe)
      to_server '{"jsonrpc":"2.0","id":2,"method":"shutdown"}'
      to_server '{"jsonrpc":"2.0","method":"exit"}'
      exec 7>&-
      wait "$server"
      rm -f "$work/lsp-in" "$work/lsp-out"
      ;;
  esac
}

# A setup or uninstaller shown as a user runs it (COMMAND: wine and the
# program, or another language's runner), in the background; its exit
# status lands in $work/status. Its windows are titled TITLE: its questions
# exactly, its pages after the first with a space after it.
show() {
  local title="$1"
  shift
  rm -f "$work/status"
  (
    status=0
    "$@" > /dev/null 2>&1 || status=$?
    echo "$status" > "$work/status"
  ) &
  wait_for "[ \"\$(windows_named '$title ?')\" -ge 1 ]" "the first page titled '$title'"
  xdotool mousemove 320 240
}
# Presses KEY in the window titled as given (a regular expression).
press() { xdotool windowfocus "$(xdotool search --name "^$1\$" | head -n 1)" 2> /dev/null && xdotool key "$2"; }
# Goes on page by page (Return) until a question shows; press TITLE and a
# key answer it (Return to retry, Escape to cancel).
until_asked() {
  wait_for "[ \"\$(windows_named '$1 ?')\" -ge 2 ] || { press '$1 ?' Return; false; }" "the question whether to close $2"
}
# Presses KEY (Escape to close a stopped setup, Return to close a finished
# one) until the program shown ends, with the exit status given.
until_ended() {
  wait_for "[ -s '$work/status' ] || { press '$1 ?' $2; false; }" "the end of $1"
  expect "the exit status of $1" "$(cat "$work/status")" "$3"
}

# What the setup changes, as files and registry keys and values: the
# machine as an installation must leave it. (Wine keeps settings of its
# own under HKCU\Software\Wine as programs run.)
machine_state() {
  registry query HKCU /s | awk '/^HKEY/ { wine = index($0, "HKEY_CURRENT_USER\\Software\\Wine") == 1 } !wine'
  registry query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print | LC_ALL=C sort)
}
as_found() {
  machine_state > "$work/state-after"
  diff "$work/state-before" "$work/state-after" || fail "$1 did not leave the machine as the install found it"
}

version=0.9.0
"$root/packaging/windows/make-setup.sh" "$version" "$programs" "$work/earlier-setup.exe" > /dev/null
wine reg add 'HKCU\Environment' /v Path /t REG_EXPAND_SZ /d "$user_path" /f > /dev/null
machine_state > "$work/state-before"

# For the machine, into a folder of one's own.
machine_folder='C:\Program Files\ZOLT 编译器'
folder="$(unix_path "$machine_folder")"
expect_status "the earlier setup" 0 "$(wine winepath -w "$work/earlier-setup.exe") /S /D=$machine_folder"
expect "the earlier version" "$(value "HKLM\\$uninstall_key" DisplayVersion)" "$version"
cp "$folder/uninstall.exe" "$work/earlier-uninstall.exe"

# While a program of it runs, neither a silent upgrade nor a silent
# uninstall changes anything: each says so and fails.
for program in zolt.exe zoltasm.exe; do
  start_program "$folder" "$program"
  expect_status "an upgrade while $program runs" 2 "$(wine winepath -w "$setup") /S"
  expect_logged "an upgrade while $program runs" "\\$program 正在运行"
  expect_status "an uninstall while $program runs" 2 "$(value "HKLM\\$uninstall_key" QuietUninstallString)"
  expect_logged "an uninstall while $program runs" "\\$program 正在运行"
  expect "the version after both" "$(value "HKLM\\$uninstall_key" DisplayVersion)" "$version"
  cmp -s "$folder/uninstall.exe" "$work/earlier-uninstall.exe" || fail "the upgrade replaced files while $program ran"
  files_of "$folder"
  stop_program "$program"
done
# Shown, the setup asks to close the window, in the system's language;
# cancelled, it stops.
# TITLE | WHAT THE LOG SAYS | HOW IT RUNS
shown_setups=(
  "$product 安装|\\zolt.exe 正在运行|wine"
  "$product Setup|\\zolt.exe is running|env LC_ALL=C.UTF-8 $build/wine-run"
)
start_program "$folder" zolt.exe
for row in "${shown_setups[@]}"; do
  IFS='|' read -r title logged runner <<< "$row"
  # shellcheck disable=SC2086 # the runner is words
  show "$title" $runner "$setup"
  until_asked "$title" zolt.exe
  press "$title" Escape
  until_ended "$title" Escape 2
  expect_logged "the cancelled setup titled '$title'" "$logged"
  expect "the version after it" "$(value "HKLM\\$uninstall_key" DisplayVersion)" "$version"
done
stop_program zolt.exe

# Upgraded where it is; then upgrades keep the choices of the installation
# unless the command line changes them. FORGET: the choices are dropped
# first, as by a setup that kept none; the upgrade keeps what is there.
# OPTIONS | DESKTOP SHORTCUT | PATH ENTRY | FORGET
choices=(
  "/S /DESKTOP|1|1|"
  "/S|1|1|"
  "/S /NODESKTOP /NOPATH|0|0|"
  "/S|0|0|"
  "/S|0|0|forget"
  "/S /DESKTOP /PATH|1|1|"
  "/S|1|1|forget"
)
version="$current"
desktop_shortcut="$(unix_path 'C:\users\Public\Desktop')/$product.lnk"
for row in "${choices[@]}"; do
  IFS='|' read -r options desktop path forget <<< "$row"
  if [ -n "$forget" ]; then
    wine reg delete "HKLM\\$uninstall_key" /v DesktopShortcut /f > /dev/null
    wine reg delete "HKLM\\$uninstall_key" /v AddToPath /f > /dev/null
  fi
  expect_status "the upgrade with '$options'" 0 "$(wine winepath -w "$setup") $options"
  expect_logged "the upgrade with '$options'" "$product $version 已安装到 $machine_folder"
  expect "a desktop shortcut after '$options' ($forget)" "$([ -s "$desktop_shortcut" ] && echo 1 || echo 0)" "$desktop"
  if [ "$path" = 1 ]; then path="$user_path;$machine_folder"; else path="$user_path"; fi
  expect "the user's PATH after '$options' ($forget)" "$(value 'HKCU\Environment' Path)" "$path"
done
files_of "$folder"
[ ! -e "$(unix_path 'C:\Program Files\ZOLT')" ] || fail "the upgrade went to the default folder, not the earlier one"
registered HKLM "$machine_folder" 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs'

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
  stop_program zolt.exe
done

uninstall HKLM
expect_logged "the uninstall" "$product $version 已从 $machine_folder 卸载"
nothing_left HKLM "$folder"
expect "the user's PATH after uninstalling" "$(value 'HKCU\Environment' Path)" "$user_path"
[[ "$(registry query 'HKCU\Environment' /v Path)" == *REG_EXPAND_SZ* ]] || fail "the user's PATH lost its type"
as_found "the uninstall for the machine"

# For one user, who had no PATH of their own and never installed a program
# for themselves: no programs folder of their own, no list of their own.
wine reg delete 'HKCU\Environment' /v Path /f > /dev/null
user_folder="$(windows_variable LOCALAPPDATA)\\Programs\\ZOLT"
folder="$(unix_path "$user_folder")"
rmdir "$(dirname "$folder")" 2> /dev/null || true
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /f > /dev/null 2>&1 || true
machine_state > "$work/state-before"
# First without a PATH entry, then again with one, in place.
expect_status "the setup with /NOPATH" 0 "$(wine winepath -w "$setup") /S /CurrentUser /NOPATH"
[[ "$(registry query 'HKCU\Environment')" != *"    Path    "* ]] || fail "/NOPATH made a PATH"
expect_status "the setup with /PATH" 0 "$(wine winepath -w "$setup") /S /CurrentUser /PATH"
expect "the folder for one user" "$(value "HKCU\\$uninstall_key" InstallLocation)" "$user_folder"
files_of "$folder"
registered HKCU "$user_folder" "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs"
if has_key "HKLM\\$uninstall_key"; then fail "an installation for one user is listed for the machine"; fi
expect "the user's PATH" "$(value 'HKCU\Environment' Path)" "$user_folder"
uninstall HKCU
nothing_left HKCU "$folder"
as_found "the uninstall for one user"

# The user's PATH as the setup finds it, as the setup leaves it, as the user
# changes it after the setup (empty: not changed) and as the uninstaller
# leaves it; FOLDER is the program folder. A PATH that cannot be changed is
# reported with the reason given (exit status 3) and left as it was; the
# uninstaller takes away the entry the setup added, wherever it stands by
# then, and nothing else.
# LABEL | TYPE | BEFORE | SETUP'S STATUS | AFTER THE SETUP | CHANGED TO | UNINSTALLER'S STATUS | AFTER THE UNINSTALLER | REASON
near_limit="$(printf 'C:\\tools\\%04d;' $(seq 70))C:\\bin"
past_limit="$(printf 'C:\\tools\\%04d;' $(seq 80))C:\\bin"
paths=(
  "near NSIS's string length|REG_EXPAND_SZ|$near_limit|3|$near_limit||0|$near_limit|您的 PATH 太长"
  "past NSIS's string length|REG_EXPAND_SZ|$past_limit|3|$past_limit||0|$past_limit|您的 PATH 太长"
  "that is not text|REG_BINARY|0102|3|0102||0|0102|您的 PATH 不是文本值"
  "of plain text with empty entries|REG_SZ|C:\\a;;C:\\b;|0|C:\\a;;C:\\b;FOLDER||0|C:\\a;;C:\\b;|"
  "holding the folder|REG_EXPAND_SZ|C:\\a;FOLDER;C:\\b|0|C:\\a;FOLDER;C:\\b||0|C:\\a;FOLDER;C:\\b|"
  "added to after the setup|REG_EXPAND_SZ|C:\\a|0|C:\\a;FOLDER|C:\\a;FOLDER;C:\\later|0|C:\\a;C:\\later|"
  "grown past NSIS's string length|REG_EXPAND_SZ|C:\\a|0|C:\\a;FOLDER|$past_limit;FOLDER|3|$past_limit;FOLDER|您的 PATH 太长"
)
for row in "${paths[@]}"; do
  IFS='|' read -r label type before status after changed un_status un_after reason <<< "${row//FOLDER/$user_folder}"
  wine reg add 'HKCU\Environment' /v Path /t "$type" /d "$before" /f > /dev/null
  expect_status "the setup, a PATH $label" "$status" "$(wine winepath -w "$setup") /S /CurrentUser"
  if [ "$status" = 3 ]; then expect_logged "the setup, a PATH $label" "$user_folder 未加入您的 PATH：$reason，"; fi
  expect "a PATH $label after the setup" "$(value 'HKCU\Environment' Path)" "$after"
  if [ -n "$changed" ]; then wine reg add 'HKCU\Environment' /v Path /t "$type" /d "$changed" /f > /dev/null; fi
  uninstall HKCU "$un_status"
  if [ "$un_status" = 3 ]; then expect_logged "the uninstall, a PATH $label" "$user_folder 仍在您的 PATH 中：$reason，"; fi
  expect "a PATH $label after the uninstall" "$(value 'HKCU\Environment' Path)" "$un_after"
  [[ "$(registry query 'HKCU\Environment' /v Path)" == *"$type"* ]] || fail "a PATH $label lost its type"
done
wine reg delete 'HKCU\Environment' /v Path /f > /dev/null
as_found "the uninstalls after PATH values of all kinds"

# Shown, the uninstaller asks to close the window and goes on once it is
# closed; *.ZOL gets back the file type it had before.
wine reg add 'HKCU\Software\Classes\.ZOL' /ve /d txtfile /f > /dev/null
machine_state > "$work/state-before"
expect_status "the setup for one user" 0 "$(wine winepath -w "$setup") /S /CurrentUser"
expect "the file type of *.ZOL" "$(value 'HKCU\Software\Classes\.ZOL' "")" ZOLT.Source
start_program "$folder" zolt.exe
show "$product 卸载" wine "$folder/uninstall.exe" /CurrentUser "_?=$user_folder"
until_asked "$product 卸载" zolt.exe
stop_program zolt.exe
press "$product 卸载" Return
until_ended "$product 卸载" Return 0
wait_for "[ ! -e '$folder' ]" "the uninstaller's folder to go"
as_found "the uninstaller shown"
wine reg delete 'HKCU\Software\Classes\.ZOL' /f > /dev/null

echo "check-setup: $(basename "$setup") installs, upgrades, opens *.ZOL files and uninstalls honestly and cleanly"
