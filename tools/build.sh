#!/usr/bin/env bash
# Builds the Windows program and its tests (build/win) and, with "native", the portable
# rules and their tests natively with clang, AddressSanitizer and UBSan (build/native),
# so that the rules build with a second compiler and clang-tidy has their compile commands.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)
native_tests=()
if [ "${1:-}" = native ]; then
  # A build folder configured for another compiler is made afresh.
  if [ -f "$here/build/native/CMakeCache.txt" ] &&
      ! grep -q '^CMAKE_CXX_COMPILER:FILEPATH=.*clang++' "$here/build/native/CMakeCache.txt"; then
    rm -rf "$here/build/native"
  fi
  CC=clang CXX=clang++ cmake -S "$here" -B "$here/build/native" -DVANTRY_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
  cmake --build "$here/build/native" -j"$jobs"
  native_tests=(-DVANTRY_NATIVE_LOGIC_TESTS="$here/build/native/logic_tests")
fi
cmake -S "$here" -B "$here/build/win" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release "${native_tests[@]}" >/dev/null
cmake --build "$here/build/win" -j"$jobs"
