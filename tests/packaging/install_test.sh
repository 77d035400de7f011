#!/usr/bin/env bash
# The downloads as a Windows user gets them: the ZIP holds exactly the program's files;
# the installer installs silently for the current user in a fresh Wine prefix, the
# installed program starts and opens a file, and the uninstaller removes the program
# but keeps the settings. Run by CTest in build/win: tests/packaging/install_test.sh BUILD
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:?the build folder}
version=$(sed -n 's/^#define VANTRY_VERSION_TEXT "\(.*\)"/\1/p' "$here/src/tools/program_info.h")
name="Vantry-$version-win64"
fail() { echo "FAILED: $*" >&2; exit 1; }
# Waits up to 60 seconds for a command to succeed.
await() { local end=$((SECONDS + 60)); until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done; }
# Waits, at most two minutes, until every process of the prefix has ended.
settled() { timeout 120 wineserver -w || fail "the prefix's processes did not end within two minutes"; }

(cd "$build" && cpack >/dev/null) || fail "cpack"

expected=$(printf '%s\n' LICENSE.txt THIRD-PARTY-NOTICES.txt Vantry.exe fdata.nf readme.nfo tfdata.nf | sort)
zipped=$(unzip -Z1 "$build/$name.zip" | sort)
[ "$zipped" = "$(sed "s|^|$name/|" <<<"$expected")" ] || fail "the ZIP holds: $zipped"

export VANTRY_WINEPREFIX="$build/wineprefix-install"
# The whole prefix on the tests' display, from its first process on.
export WINEPREFIX=$VANTRY_WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=$VANTRY_DISPLAY
wine=("$here/tools/wine-run.sh")
# Processes left from a run that was killed go with the prefix they ran in.
[ ! -d "$WINEPREFIX" ] || timeout 30 wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
settled
user=$(id -un)
programs="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Vantry"
shortcut="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Vantry.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantry'

"${wine[@]}" "$build/$name.exe" /S
settled
installed=$(cd "$programs" 2>/dev/null && ls | sort) || fail "nothing in $programs"
[ "$installed" = "$(printf '%s\nUninstall.exe\n' "$expected" | sort)" ] || fail "installed: $installed"
[ -f "$shortcut" ] || fail "no Start menu entry"
"${wine[@]}" reg query "$uninstall_key" /v DisplayVersion | grep -q "$version" || fail "no uninstall entry for the user"
if "${wine[@]}" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantry' >/dev/null 2>&1; then
  fail "the installer wrote to the machine's keys"
fi

sample="$WINEPREFIX/drive_c/sample art.nfo"
printf '\xdb\xdb installed\r\n' > "$sample"
"${wine[@]}" "C:\\users\\$user\\AppData\\Local\\Programs\\Vantry\\Vantry.exe" 'C:\sample art.nfo' &
shown() { xdotool search --name '^sample art.nfo - Vantry$' >/dev/null 2>&1; }
await shown || fail "the installed program did not show the file"
stored() { "${wine[@]}" reg query 'HKCU\Software\Vantry' /v recentFile01 2>/dev/null | grep -q 'sample art.nfo'; }
await stored || fail "the installed program did not store its settings"
wineserver -k; settled

"${wine[@]}" "C:\\users\\$user\\AppData\\Local\\Programs\\Vantry\\Uninstall.exe" /S
# The uninstaller runs on from a copy of itself and removes the folder before the Start
# menu entry and its registry key: wait until every process of the prefix has ended.
settled
[ ! -e "$programs" ] || fail "left behind: $(ls "$programs")"
[ ! -e "$shortcut" ] || fail "the Start menu entry stayed"
if "${wine[@]}" reg query "$uninstall_key" >/dev/null 2>&1; then fail "the uninstall entry stayed"; fi
"${wine[@]}" reg query 'HKCU\Software\Vantry' >/dev/null 2>&1 || fail "a silent uninstall removed the settings"
echo "installed, started, uninstalled: $name"
