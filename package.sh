#!/usr/bin/env bash
# Builds the packages into dist/:
#   ./package.sh          dist/zolt_VERSION_amd64.deb, dist/zolt-language-VERSION.vsix
#                         (the VS Code extension with its language client, which
#                         every package also carries among the editor support),
#                         and the Windows zip and setup program
#                         (dist/zolt-VERSION-setup.exe) when the Windows build
#                         has left its executables in dist/windows/; every
#                         package carries the browser page when ./build-web.sh
#                         has left it in dist/web/
#   ./package.sh --check  the same, then checks the .deb with lintian (no error,
#                         no warning), installs it, tries it and removes it
#                         again; this changes the system, so it runs as root (CI).
#                         The Windows packages are tried under Wine, the setup with
#                         a picture of its first page in docs/installer.png
set -euo pipefail
cd "$(dirname "$0")"

check=false
[ "${1:-}" = "--check" ] && check=true

scripts/setup.sh --for "the packages" dpkg-dev file librsvg2-bin zip unzip nsis nodejs npm
build="build-package"
# Every package carries the editor support as this build makes it, with the
# VS Code extension packed from it: a user installs the packed extension,
# which brings its pinned language client along.
export ZOLT_EDITORS="$PWD/$build/editors/support" ZOLT_VSIX="$PWD/$build/extension/zolt-language.vsix"
ZOLT_WEB_PAGE=""
[ -f dist/web/zolt-playground.html ] && ZOLT_WEB_PAGE="$PWD/dist/web/zolt-playground.html"
export ZOLT_WEB_PAGE
# Debian's own build flags, with every hardening it offers, as a Debian
# package is built; the package's programs are stripped as they are packed.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZOLT_VSIX="$ZOLT_VSIX" \
  -DZOLT_WEB_PAGE="$ZOLT_WEB_PAGE" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" > /dev/null
cmake --build "$build" -j "$(nproc)" > /dev/null
editors/test/extension/pack.sh "$ZOLT_EDITORS/vscode" "$build/extension" > /dev/null
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
deb="dist/zolt_${version}_amd64.deb"
rm -f "$build"/zolt_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
mkdir -p dist
mv "$build/zolt_${version}_amd64.deb" "$deb"
echo "built $deb"
cp "$ZOLT_VSIX" "dist/zolt-language-${version}.vsix"
echo "built dist/zolt-language-${version}.vsix"

zip="dist/zolt-${version}-windows-x64.zip"
if [ -f dist/windows/zolt.exe ] && [ -f dist/windows/zoltasm.exe ]; then
  packaging/windows/make-zip.sh "$version" dist/windows "$zip"
  setup="dist/zolt-${version}-setup.exe"
  packaging/windows/make-setup.sh "$version" dist/windows "$setup"
  if $check; then
    packaging/windows/check-zip.sh "$zip"
    packaging/windows/check-setup.sh "$setup" dist/windows docs/installer.png
  fi
fi

if $check; then
  scripts/setup.sh --for "the package's checks" xdg-utils shared-mime-info desktop-file-utils \
    libfile-mimeinfo-perl lintian libtext-markdown-discount-perl libhtml-parser-perl
  packaging/linux/check-deb.sh "$deb" "$ZOLT_EDITORS" "$ZOLT_WEB_PAGE"
fi
