#!/usr/bin/env bash
# Installs from Debian 12 what is missing, and says in one line what and why.
#   scripts/setup.sh                  what the build and the programs need (./run.sh)
#   scripts/setup.sh --tests          that, and what the tests add (./test.sh)
#   scripts/setup.sh [--tests] [--for WHAT] PACKAGE...
#                                     that, and the packages WHAT needs (a
#                                     script's own tools: the fuzzers, the
#                                     Windows build, the packages...); without
#                                     --for, the calling script's name says why
set -euo pipefail

# What the build and the programs need, a row each with its reason.
program=(
  cmake g++ make     # the build
  gettext            # msgfmt, which makes the message catalog
  nlohmann-json3-dev # JSON for the language server (header-only: the Windows build uses it too)
  qt6-base-dev       # Qt 6 Widgets for the window
  qt6-translations-l10n # Qt's own dialogs and buttons in Chinese (qtbase_zh_CN.qm)
)

# What the tests add.
tests=(
  libgtest-dev       # GoogleTest
  locales            # Debian's locale sources, for the Chinese locales the tests compile
  nodejs npm         # the editor checks, the language server's conversation and the guide's check
  unzip              # what the packed VS Code extension holds
  vim neovim         # the Vim syntax and the language server's set-up lines in Debian's Neovim
  groff-base man-db  # the check of the manual pages
  libbenchmark-dev   # the benchmarks in bench/, built with the tests so that they keep building
  chromium           # the browser page's checks, once ./build-web.sh has made the page
)

groups=("the build and the programs")
wanted=("${program[*]}")
if [ "${1:-}" = "--tests" ]; then
  groups+=("the tests")
  wanted+=("${tests[*]}")
  shift
fi
reason=""
if [ "${1:-}" = "--for" ] && [ $# -ge 2 ]; then
  reason="$2"
  shift 2
fi
if [ $# -gt 0 ]; then
  # Without --for, the packages are for the script that asks for them.
  [ -n "$reason" ] || reason="$(tr '\0' '\n' < "/proc/$PPID/cmdline" | sed -n 2p)"
  groups+=("${reason:-the calling script}")
  wanted+=("$*")
fi

# Node and its npm come from Debian, unless a Node with its npm is installed
# from elsewhere already (a newer one may not sit beside Debian's npm).
installed() {
  case "$1" in
    nodejs | npm) command -v npm > /dev/null && return 0 ;;
  esac
  dpkg-query -W -f='${Status}' "$1" 2> /dev/null | grep -q 'install ok installed'
}

missing=()
said=()
declare -A taken=()
for i in "${!groups[@]}"; do
  group_missing=()
  for package in ${wanted[$i]}; do
    [ -z "${taken[$package]:-}" ] || continue
    taken[$package]=1
    installed "$package" || group_missing+=("$package")
  done
  if [ ${#group_missing[@]} -gt 0 ]; then
    missing+=("${group_missing[@]}")
    said+=("${group_missing[*]} for ${groups[$i]}")
  fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

summary="$(printf '%s; ' "${said[@]}")"
echo "Installing ${summary%; }"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# apt's own account of the installation is shown only when it fails.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if ! { $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
  --no-install-recommends -o DPkg::Lock::Timeout=900 "${missing[@]}"; } > "$log" 2>&1; then
  cat "$log" >&2
  echo "setup.sh: the installation failed" >&2
  exit 1
fi
