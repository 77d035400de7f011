#!/usr/bin/env bash
# Fuzzes the rules that read outside input with clang's libFuzzer, AddressSanitizer and
# UBSan; each target checks properties of what the rule gives, not only that it runs.
#   tools/fuzz.sh build          builds the targets in build/fuzz
#   tools/fuzz.sh smoke          a fixed number of inputs for every target (the test run)
#   tools/fuzz.sh run [SECONDS [TARGET...]]
#                                every target (or those named) for SECONDS (600 by default);
#                                new inputs are kept in build/fuzz/corpus, findings in
#                                build/fuzz/findings
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build/fuzz"
starting="$here/tests/fuzz/corpus"  # hand-made inputs, tools/make_fuzz_inputs.py
targets=(decode link_scan settings_integer line_number recent_files replace encode)

case "${1:-}" in
  build)
    CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DVANTRY_FUZZ=ON -DVANTRY_SANITIZE=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target fuzzers -j"$(nproc)"
    ;;
  smoke)
    for target in "${targets[@]}"; do
      scratch=$(mktemp -d)
      if ! "$build/${target}_fuzz" -runs=20000 -max_len=4096 -artifact_prefix="$scratch/" \
          "$scratch" "$starting/$target" \
          >"$scratch.log" 2>&1; then
        tail -n 40 "$scratch.log"
        echo "fuzz_smoke: $target failed" >&2
        exit 1
      fi
      echo "$target: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$scratch.log")"
      rm -rf "$scratch" "$scratch.log"
    done
    ;;
  run)
    seconds=${2:-600}
    [ $# -gt 2 ] && targets=("${@:3}")
    mkdir -p "$build/findings"
    for target in "${targets[@]}"; do
      mkdir -p "$build/corpus/$target"
      echo "$target:"
      "$build/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "$starting/$target" 2>&1 |
        grep -E 'stat::number_of_executed_units|stat::peak_rss|Done|ERROR|SUMMARY' || true
    done
    ;;
  *)
    sed -n '2,10p' "$0"
    exit 2
    ;;
esac
