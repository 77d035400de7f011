#!/usr/bin/env bash
# Vantry against Wine's notepad, command by command, on the same files and display: both
# programs started and driven from outside by bench/command_timer.exe, runs alternating,
# the median of three per program, and the ratio Vantry / notepad (below 1 is faster).
# Then what notepad has no command for (the pointer over addresses, a print's layout),
# Vantry alone at 1 and 10 MB. Run after ./test.sh or tools/build.sh.
# Usage: bench/compare.sh [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
runs=${1:-3}
source tools/display.sh
export VANTRY_WINEPREFIX="$here/build/wineprefix-bench"
tools/wine-prefix.sh
# A program that crashes ends at once instead of waiting in Wine's debugger.
tools/wine-run.sh reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
  /d no-debugger.exe /f >/dev/null 2>&1
mkdir -p build/bench
work=$(mktemp -d "$here/build/bench/compare.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"  # Wine programs run inside build/

python3 - <<'PY'
art = ("\xdb\xdb\xdb\xdc\xdc  \xb0\xb1\xb2 release \xba notes \xc9\xcd\xcd\xbb " * 2).encode("latin-1")
nfo_line = art[:78] + b"\r\n"
def write(name, data):
    with open(name, "wb") as f:
        f.write(data)
write("start10k.nfo", nfo_line * (10 * 1024 // len(nfo_line)))
for megabytes in (1, 10, 50):
    write(f"open{megabytes}.nfo", nfo_line * (megabytes * 1024 * 1024 // len(nfo_line)))
text_line = b"plain text of a release note, with nothing to find in it at all" + b"." * 38 + b"\r\n"
# One match, in the last line of 10 MB; 10,000 matches in 1 MB, one a line.
write("find10.txt", text_line * (10 * 1024 * 1024 // len(text_line)) + b"needle at the end\r\n")
write("replace1.txt", (b"needle" + text_line[6:]) * 10000)
PY

winpath() { "$here/tools/wine-run.sh" winepath -w "$1" 2>/dev/null; }
timer="$here/build/win/bin/command_timer.exe"
vantry_exe=$(winpath "$here/build/win/bin/Vantry.exe")
# One measurement: prints "ROW PROGRAM SECONDS PEAK" or "ROW PROGRAM failed".
measure() {
  local row=$1 program=$2 file=$3 exe=notepad.exe result
  shift 3
  [ "$program" = vantry ] && exe=$vantry_exe
  result=$("$here/tools/wine-run.sh" "$timer" "$program" "$exe" "$(winpath "$work/$file")" "$@" 2>/dev/null | tr -d '\r' || true)
  case "$result" in
    *" s  "*" MB") echo "$row $program $(echo "$result" | awk '{print $1, $3}')" ;;
    *) echo "$row $program failed ${result:-no answer}" >&2; echo "$row $program failed" ;;
  esac
}
# Each program saves its own copy, so both write the same bytes over the same size.
for program in vantry notepad; do
  cp open1.nfo "save1-$program.nfo"
  cp open10.nfo "save10-$program.nfo"
done

results=$work/results
: >"$results"
# Each command is measured in turn for both programs, the one that goes first changing
# from run to run, so that neither always follows the other's work (or its crash); a
# first start of each, not counted, brings the files and Wine's libraries into memory.
measure warm-up vantry start10k.nfo open >/dev/null
measure warm-up notepad start10k.nfo open >/dev/null
each() {
  local row=$1 run order
  shift
  for run in $(seq "$runs"); do
    order="vantry notepad"
    [ $((run % 2)) -eq 0 ] && order="notepad vantry"
    for program in $order; do
      measure "$row" $program "${@//PROGRAM/$program}" >>"$results"
    done
  done
}
each "start-up, 10 KB NFO shown" start10k.nfo open
each "open 1 MB NFO" open1.nfo open
each "open 10 MB NFO" open10.nfo open
each "open 50 MB NFO" open50.nfo open
each "Ctrl+S, 1 MB" save1-PROGRAM.nfo save
each "Ctrl+S, 10 MB" save10-PROGRAM.nfo save
each "Find Next, match at the end of 10 MB" find10.txt find needle
each "Replace All, 10,000 in 1 MB" replace1.txt replaceall needle pin 10000

echo "Vantry against Wine's notepad: median of $runs runs each, taking turns, peak working set the largest"
python3 - "$results" <<'PY'
import statistics, sys
rows, seconds, peaks, failed = [], {}, {}, {}
for line in open(sys.argv[1]):
    words = line.split()
    at = words.index("vantry") if "vantry" in words else words.index("notepad")
    row, program, first, rest = " ".join(words[:at]), words[at], words[at + 1], words[at + 2:]
    if row not in rows:
        rows.append(row)
    if first == "failed":
        failed[(row, program)] = failed.get((row, program), 0) + 1
        continue
    seconds.setdefault((row, program), []).append(float(first))
    peaks.setdefault((row, program), []).append(float(rest[0]))
def cell(row, program):
    if (row, program) not in seconds:
        return "failed", None
    s, p = statistics.median(seconds[(row, program)]), max(peaks[(row, program)])
    note = f" ({failed[(row, program)]} failed)" if (row, program) in failed else ""
    return f"{s:7.3f} s {p:5.0f} MB{note}", s
print(f"| {'command':38} | {'Vantry':18} | {'notepad':18} | ratio |")
print(f"|{'-' * 40}|{'-' * 20}|{'-' * 20}|-------|")
for row in rows:
    v, vs = cell(row, "vantry")
    n, ns = cell(row, "notepad")
    ratio = f"{vs / ns:.2f}x" if vs and ns else "-"
    print(f"| {row:38} | {v:18} | {n:18} | {ratio:5} |")
PY

echo
echo "Vantry alone (notepad has no such command): the pointer over addresses, and a print's"
echo "layout with word wrap on, at 1 and 10 MB"
cd "$here/build"
for megabytes in 1 10; do
  "$here/tools/wine-run.sh" "$here/build/win/bin/pointer_bench.exe" "$(winpath "$work/open$megabytes.nfo")" \
    2>/dev/null | sed "s/^/$megabytes /" >>"$work/pointer"
done
python3 - "$work/pointer" <<'PY'
import sys
figures = {}
for line in open(sys.argv[1]):
    if "per move" in line:
        megabytes, _, _, _, _, wrap, value, *_ = line.replace(":", " ").split()
        figures.setdefault(wrap, {})[megabytes] = float(value)
for wrap, by_size in figures.items():
    print(f"pointer test, word wrap {wrap:3}: {by_size['1']:7.1f} us per move at 1 MB, {by_size['10']:7.1f} us at 10 MB"
          f" ({by_size['10'] / by_size['1']:.1f}x)")
PY
"$here/tools/wine-run.sh" "$here/build/win/bin/pagination_bench.exe" "$(winpath "$work")" 2>/dev/null | tr -d '\r' |
  sed -n 's/^\([0-9]* MB\) wrapped: .* in \([0-9.]* s\) .*/print layout, word wrap on, \1: \2/p; s/^10 MB took \(.*\) the time of 1 MB/print layout, 10 MB against 1 MB: \1/p'
