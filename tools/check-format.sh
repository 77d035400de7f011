#!/usr/bin/env bash
# Names every C++ source that clang-format, with the style of .clang-format, would
# change, and fails when there is one. Apply the style with:
#   tools/check-format.sh --apply
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(find src tests bench \( -name '*.cpp' -o -name '*.h' \) -not -path 'tests/fuzz/corpus/*' | sort)
if [ "${1:-}" = --apply ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
differ=0
for file in "${files[@]}"; do
  if ! clang-format --style=file "$file" | cmp -s - "$file"; then
    echo "not in the layout of .clang-format: $file"
    differ=1
  fi
done
[ "$differ" -eq 0 ] && echo "clang-format: ${#files[@]} files in the layout of .clang-format"
exit "$differ"
