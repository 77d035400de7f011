#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the portable rules natively
# (with sanitizers) and under Wine, the window tests and the end-to-end tests under
# Wine on a virtual display, and printing on a PDF printer of a CUPS scheduler. The
# last lines are CTest's summary.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh native
tools/fuzz.sh build
VANTRY_VIRTUAL_DISPLAY=1 source tools/display.sh
source tools/printer.sh
VANTRY_WINEPREFIX="$PWD/build/win/wineprefix-tests" tools/wine-prefix.sh tests
VANTRY_WINEPREFIX="$PWD/build/win/wineprefix-tests-144dpi" tools/wine-prefix.sh tests-144dpi
VANTRY_LANG=hi_IN.UTF-8 VANTRY_WINEPREFIX="$PWD/build/win/wineprefix-tests-utf8" tools/wine-prefix.sh tests
for locale in ru_RU ja_JP; do
  VANTRY_LANG=$locale.UTF-8 VANTRY_WINEPREFIX="$PWD/build/win/wineprefix-tests-$locale" tools/wine-prefix.sh tests
done
ctest --test-dir build/win --output-on-failure --timeout 600
