#!/usr/bin/env bash
# A long session in one window: bench/soak_bench.exe opens 1,000 documents one after
# another (NFO, text, UTF-16 and 1 MB text in turn) with Find, Replace All and Options
# Cancel on each, prints every 100th on the PDF printer, and reports the private bytes,
# GDI objects and USER objects of the process at the start, after 500 and after 1,000.
# Builds nothing: run after ./test.sh or tools/build.sh. Usage: bench/soak.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
source tools/display.sh
source tools/printer.sh
# A prefix whose windows need no window manager: on a bare display Wine would wait two
# seconds for one at every closing of the Options dialog.
export VANTRY_WINEPREFIX="$here/build/wineprefix-soak"
tools/wine-prefix.sh tests
mkdir -p build/bench
work=$(mktemp -d "$here/build/bench/soak.XXXXXX")
trap "rm -rf '$work'; $(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT$/\1/")" EXIT

python3 - "$work" <<'PY'
import sys
folder = sys.argv[1]
def write(name, data):
    with open(f"{folder}/{name}", "wb") as f:
        f.write(data)
art = ("\xdb\xdb\xdb\xdc\xdc  \xb0\xb1\xb2 release \xba notes \xc9\xcd\xcd\xbb " * 2).encode("latin-1")[:78] + b"\r\n"
write("soak.nfo", art * 128)
text = "plain text of a release note, with a few words to find and replace in it\r\n"
write("soak.txt", text.encode("ascii") * 256)
write("soak-utf16.txt", "\ufeff".encode("utf-16-le") + ("\u00e9t\u00e9 \u2014 " + text).encode("utf-16-le") * 256)
write("soak-1mb.txt", text.encode("ascii") * (1024 * 1024 // len(text)))
PY

winpath() { "$here/tools/wine-run.sh" winepath -w "$1" 2>/dev/null; }
cd "$here/build"  # Wine programs run inside build/
"$here/tools/wine-run.sh" "$here/build/win/bin/soak_bench.exe" "$(winpath "$work")" "$VANTRY_TEST_PRINTER" | sed -u 's/\r$//'
# The printer finishes its jobs before the scheduler may stop with this script.
for _ in $(seq 600); do
  [ -z "$(lpstat -o "$VANTRY_TEST_PRINTER" 2>/dev/null)" ] && break
  sleep 0.2
done
echo "The printed PDFs are in $VANTRY_PRINT_OUTPUT."
