#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix and display, so tests
# never touch anybody's own Wine set-up. tools/wine-prefix.sh prepares the prefix.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${VANTRY_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LANG=${VANTRY_LANG:-en_US.UTF-8}  # Wine takes the ANSI code page from it
unset LC_ALL
export DISPLAY=${VANTRY_DISPLAY:-${DISPLAY:-:99}}
exec wine "$@"
