#!/usr/bin/env bash
# Installs the Debian packages that building and testing Quillmark need, when any is missing.
# Silent when everything is there. Runs apt-get as root, or through sudo when that needs no
# password; otherwise prints the command to run and fails.
set -euo pipefail

packages=(
  cmake g++ ninja-build ccache   # the build (ccache: the four builds of CI share objects)
  libgtest-dev libgmock-dev      # tests
  libcmark-gfm-dev libcmark-gfm-extensions-dev  # Markdown: the preview renders it, tests read it
  libparse-bbcode-perl           # a BBCode reader of its own: tests read long posts' parts
  libbenchmark-dev unrtf time    # benchmarks (unrtf to compare with, GNU time for memory)
  libenchant-2-dev pkg-config    # spelling: Enchant, which drives Hunspell,
  hunspell-en-us hunspell-en-gb  # and the American and British dictionaries for it,
  hunspell-de-de hunspell-fr hunspell-es  # and those of the languages the program speaks
  qt6-base-dev xvfb              # the editor and its tests
  qt6-l10n-tools qt6-translations-l10n  # its translations: lupdate, lrelease; Qt's own dialogs
  qt6-svg-dev                    # the program's icon, drawn from its SVG
  xdotool xclip x11-utils        # the end-to-end test drives the real program in Xvfb
  at-spi2-core python3-pyatspi   # and lists its controls as a screen reader sees them
  chromium                       # the html post's preview is held against a real browser
  clang libclang-rt-dev          # fuzz targets and sanitizers
  clang-format                   # the formatting check of continuous integration
  dpkg-dev lintian pkg-config    # the Debian package: cpack's dpkg-shlibdeps, its checker
  appstream desktop-file-utils   # validators of the AppStream metainfo and the desktop entry
  bash-completion man-db         # where the completion goes; the installed manual pages
  abiword                        # a word processor the tests open our RTF tables with
  libreoffice-writer-nogui       # another, headless: our files both ways, .odt and .docx in
                                 # (its fontconfig brings a face to lay text out in; no X)
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  [[ $status == ii* ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

install=(apt-get install -y --no-install-recommends "${missing[@]}")
if ((EUID == 0)); then
  as_root=()
elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get update && sudo ${install[*]}" >&2
  exit 1
fi

echo "Installing ${missing[*]}" >&2
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}"
