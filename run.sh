#!/usr/bin/env bash
# ./run.sh [FILE] - installs what is missing, builds Vantry.exe and opens FILE (by
# default the bundled readme.nfo, copied to the Wine user's Documents) under Wine on the
# current display, or on a virtual one when there is none. Saves a screenshot of the window to build/screenshot.png,
# prints its path, closes the program and exits 0.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh >/dev/null
source tools/display.sh
tools/wine-prefix.sh
export DISPLAY=$VANTRY_DISPLAY

if [ $# -gt 0 ]; then
  [ -e "$1" ] || { echo "No such file: $1" >&2; exit 1; }
  windows_path=$(tools/wine-run.sh winepath -w "$(realpath "$1")" 2>/dev/null)
else
  # The bundled readme.nfo, opened from the Wine user's Documents folder as a user would
  # keep it (the status bar shows its path).
  documents=$(tools/wine-run.sh cmd /c echo '%USERPROFILE%\Documents' 2>/dev/null | tr -d '\r')
  documents_unix=$(tools/wine-run.sh winepath -u "$documents" 2>/dev/null)
  mkdir -p "$documents_unix"
  cp build/win/bin/readme.nfo "$documents_unix/readme.nfo"
  windows_path="$documents\readme.nfo"
fi
tools/wine-run.sh build/win/bin/Vantry.exe "$windows_path" &
vantry=$!

# Wait for the window, then until two screenshots in a row agree (the text is drawn).
window=""
for _ in $(seq 300); do
  window=$(xdotool search --onlyvisible --name ' - Vantry$|^Vantry$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "Vantry's window did not appear." >&2; kill $vantry; exit 1; }
shot=build/screenshot.png
previous=$(mktemp --suffix=.png)
for _ in $(seq 50); do
  import -window "$window" "$shot"
  if [ -s "$previous" ] && [ "$(compare -metric AE "$shot" "$previous" null: 2>&1 || true)" = 0 ]; then break; fi
  cp "$shot" "$previous"
  sleep 0.1
done
rm -f "$previous"

xdotool key --window "$window" ctrl+q
for _ in $(seq 100); do kill -0 $vantry 2>/dev/null || break; sleep 0.1; done
kill -0 $vantry 2>/dev/null && kill $vantry
wait $vantry 2>/dev/null || true
realpath "$shot"
