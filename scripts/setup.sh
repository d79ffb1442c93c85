#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, skipping what is
# already there. Usage: scripts/setup.sh [PACKAGE...] (extra packages).
set -euo pipefail

# Qt 6 for the window; JSON for the language server (header-only, so the
# Windows build uses it too); gettext for the message catalog and Debian's
# locale sources for the Chinese locale the tests compile; CJK fonts that
# stand in for its Chinese fonts; Xvfb for screenshots of the window without
# a desktop; groff and man for the check of the manual pages; Neovim for the
# check of the language server's set-up lines in Debian's Neovim, and
# debootstrap for the same check in Debian 13's newer one; Google's
# benchmark library for the benchmarks in bench/; Chromium for the checks of
# the browser page (./build-web.sh builds the page).
packages=(cmake g++ make libgtest-dev nlohmann-json3-dev qt6-base-dev gettext locales
  fonts-arphic-ukai fonts-arphic-uming fonts-wqy-microhei xvfb xauth vim groff-base man-db neovim
  debootstrap libbenchmark-dev chromium "$@")
# The editor checks run on node and npm, from Debian unless already installed.
command -v npm > /dev/null || packages+=(nodejs npm)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  # Other installs may hold the package database for a while.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
    --no-install-recommends "${missing[@]}"
fi
