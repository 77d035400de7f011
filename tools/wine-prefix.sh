#!/usr/bin/env bash
# Prepares the Wine prefix that the program and its tests run in (build/wineprefix by
# default): a fresh prefix, the usual Windows faces mapped to fonts Debian has, and the
# shell's browser and mailer pointed at a script that only records what it got.
# "tools/wine-prefix.sh tests" also makes windows that need no window manager;
# "tests-144dpi" does that too on a screen of 144 dots per inch.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${VANTRY_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
run() { "$here/tools/wine-run.sh" "$@"; }

purpose=${1:-}
ready="$WINEPREFIX/.vantry-ready-2${purpose:+-$purpose}"
if [ -f "$ready" ]; then exit 0; fi
# A prefix for another locale (VANTRY_LANG, such as hi_IN.UTF-8) is made under it, and
# Wine only honours a locale the C library has: make it first.
if [ -n "${VANTRY_LANG:-}" ]; then
  wanted=$(printf '%s' "$VANTRY_LANG" | sed 's/UTF-8$/utf8/')
  if ! locale -a | grep -qx "$wanted"; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i "${VANTRY_LANG%%.*}" -f UTF-8 "$VANTRY_LANG"
  fi
fi
export LANG=${VANTRY_LANG:-en_US.UTF-8}
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
for face in "Courier New" "Courier"; do
  run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "Liberation Mono" /f >/dev/null
done
for face in "MS Sans Serif" "Tahoma" "Arial"; do
  run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "Liberation Sans" /f >/dev/null
done
recorder="$WINEPREFIX/shell-handoff.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s/shell-handoff.log"\n' "$WINEPREFIX" > "$recorder"
chmod +x "$recorder"
run reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$recorder" /f >/dev/null
run reg add 'HKCU\Software\Wine\WineBrowser' /v Mailers /t REG_SZ /d "$recorder" /f >/dev/null
# The tests' virtual display has no window manager: Wine would wait two seconds for one
# at every hiding of a window it left to a manager. (Run on a desktop, the program keeps
# its managed windows, which real input events such as run.sh's need.)
if [ "$purpose" = tests ] || [ "$purpose" = tests-144dpi ]; then
  run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
fi
# A screen at 150 %, for the tests of the program's own scaling.
if [ "$purpose" = tests-144dpi ]; then
  run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
fi
wineserver -w
touch "$ready"
