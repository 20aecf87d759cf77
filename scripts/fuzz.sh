#!/usr/bin/env bash
# Fuzzes the bitmap decoder with libFuzzer (Clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) for a bounded time, starting from seeds the test
# code writes. Fails on any finding. Usage: scripts/fuzz.sh [seconds, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSOLAR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --target fuzz_bitmap_reader write_fuzz_seeds
rm -rf "$build/corpus"
"$build/bin/write_fuzz_seeds" "$build/corpus"
"$build/bin/fuzz_bitmap_reader" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
  -artifact_prefix="$build/" "$build/corpus"
