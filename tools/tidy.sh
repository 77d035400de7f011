#!/usr/bin/env bash
# clang-tidy over the portable rules (src/base and every portable/ folder) with the checks
# of .clang-tidy, on the compile commands of the native build (tools/build.sh native).
# Prints each finding and fails when there is one.
#   tools/tidy.sh [NATIVE_BUILD_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$here/build/native}
[ -f "$build/compile_commands.json" ] || { echo "No compile commands in $build: run tools/build.sh native" >&2; exit 2; }
cd "$here"
# One file per clang-tidy, two at a time; a finding is an error (.clang-tidy says so).
printf '%s\n' src/base/*.cpp src/*/portable/*.cpp |
  xargs -P "$(nproc)" -I{} clang-tidy -p "$build" --quiet {} 2>/dev/null
echo "clang-tidy: no findings in $(printf '%s\n' src/base/*.cpp src/*/portable/*.cpp | wc -l) files"
