#!/usr/bin/env bash
# Installs the Debian packages that build, run and test Vantry, when any is missing.
set -euo pipefail
packages=(
  cmake g++ googletest                         # native build of the portable rules and tests
  g++-mingw-w64-x86-64-posix                   # the Windows program
  wine64 xvfb xauth x11-utils xdotool imagemagick  # running it on a (virtual) display
  locales                                      # other systems' code pages under Wine
  fonts-liberation                             # faces Wine substitutes for the Windows ones
  python3-fonttools console-setup-linux        # regenerating the NFO faces
  clang libclang-rt-14-dev                     # the native build and the fuzz targets (libFuzzer)
  clang-tidy clang-format                      # the portable rules' static checks, the layout check
  cups cups-filters ghostscript poppler-utils  # printing on a PDF printer, and reading it back
  nsis unzip                                   # the installer and the portable ZIP
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}" >/dev/null
