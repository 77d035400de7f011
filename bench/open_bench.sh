#!/usr/bin/env bash
# Opening large NFO files of 1, 10 and 50 MB side by side with Wine's notepad (time
# until shown, peak working set, ratio); then pointer moves and saving on the 10 MB
# file, and the text tools on 1 and 10 MB. Run after ./test.sh or tools/build.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
source tools/display.sh
export VANTRY_WINEPREFIX="$here/build/wineprefix-bench"
tools/wine-prefix.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# NFO-like content: lines of block art and text in code page 437 bytes.
python3 - "$work" <<'PY'
import sys
art = ("\xdb\xdb\xdb\xdc\xdc  \xb0\xb1\xb2 release \xba notes \xc9\xcd\xcd\xbb " * 2).encode("latin-1")
line = art[:78] + b"\r\n"
for megabytes in (1, 10, 50):
    with open(f"{sys.argv[1]}/bench{megabytes}.nfo", "wb") as f:
        f.write(line * (megabytes * 1024 * 1024 // len(line)))
PY
# Vantry against Wine's notepad, which uses the same edit control: whole process, start
# until the caption names the file and the window answers. Runs alternate, three each.
vantry_exe=$(tools/wine-run.sh winepath -w build/win/bin/Vantry.exe 2>/dev/null)
timer=build/win/bin/open_timer.exe
printf '%-7s %-22s %-22s %s\n' size "Vantry (median, peak)" "notepad (median, peak)" "ratio"
for megabytes in 1 10 50; do
  file=$(tools/wine-run.sh winepath -w "$work/bench$megabytes.nfo" 2>/dev/null)
  runs=()
  for _ in 1 2 3; do
    runs+=("vantry $(tools/wine-run.sh "$timer" "$vantry_exe" "$file")")
    runs+=("notepad $(tools/wine-run.sh "$timer" notepad.exe "$file" " - Notepad")")
  done
  printf '%s\n' "${runs[@]}" | python3 -c '
import sys, statistics
seconds, peaks = {}, {}
for line in sys.stdin:
    program, time, _, peak, _ = line.split()
    seconds.setdefault(program, []).append(float(time))
    peaks.setdefault(program, []).append(float(peak))
v, n = statistics.median(seconds["vantry"]), statistics.median(seconds["notepad"])
vp, np = max(peaks["vantry"]), max(peaks["notepad"])
size = sys.argv[1] + " MB"
print(f"{size:7} {v:6.2f} s {vp:5.0f} MB      {n:6.2f} s {np:5.0f} MB      {v / n:.2f}x")
' "$megabytes"
done

echo
file=$(tools/wine-run.sh winepath -w "$work/bench10.nfo" 2>/dev/null)
tools/wine-run.sh build/win/bin/pointer_bench.exe "$file"

echo
tools/wine-run.sh build/win/bin/save_bench.exe "$file" "$(tools/wine-run.sh winepath -w "$work/saved.nfo" 2>/dev/null)"

echo
tools/wine-run.sh build/win/bin/find_bench.exe "$(tools/wine-run.sh winepath -w "$work" 2>/dev/null)"
