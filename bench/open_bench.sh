#!/usr/bin/env bash
# Opening large NFO files: time from process start until the text is shown, and the
# peak working set, for files of 1, 10 and 50 MB; then pointer moves and saving on the
# 10 MB file. Run after ./test.sh or tools/build.sh.
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
printf '%-8s %-12s %s\n' size "until shown" "peak working set"
for megabytes in 1 10 50; do
  file=$(tools/wine-run.sh winepath -w "$work/bench$megabytes.nfo" 2>/dev/null)
  result=$(tools/wine-run.sh build/win/bin/open_timer.exe "$(tools/wine-run.sh winepath -w build/win/bin/Vantry.exe 2>/dev/null)" "$file")
  printf '%-8s %s\n' "${megabytes} MB" "$result"
done

echo
file=$(tools/wine-run.sh winepath -w "$work/bench10.nfo" 2>/dev/null)
tools/wine-run.sh build/win/bin/pointer_bench.exe "$file"

echo
tools/wine-run.sh build/win/bin/save_bench.exe "$file" "$(tools/wine-run.sh winepath -w "$work/saved.nfo" 2>/dev/null)"
