#!/usr/bin/env bash
# The committed NFO faces are exactly what the generator makes from the console fonts.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
/usr/bin/python3 "$here/tools/make_fonts.py" "$out"
for font in fdata.nf tfdata.nf; do
  cmp "$here/res/fonts/$font" "$out/$font"
done
echo "1 passed, 0 failed"
