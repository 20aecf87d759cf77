#!/usr/bin/env bash
# Fuzzes the bitmap decoder, then briefly the sky data's parsers, with
# libFuzzer (Clang, AddressSanitizer and UndefinedBehaviorSanitizer) for a
# bounded time, starting from seeds the test code writes and from the head of
# xplanet's star catalogue and figures. Fails on any finding.
# Usage: scripts/fuzz.sh [seconds for the bitmaps, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSOLAR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --target fuzz_bitmap_reader write_fuzz_seeds fuzz_sky_data
rm -rf "$build/corpus" "$build/sky_corpus"
"$build/bin/write_fuzz_seeds" "$build/corpus"
"$build/bin/fuzz_bitmap_reader" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
  -artifact_prefix="$build/" "$build/corpus"
mkdir -p "$build/sky_corpus"
for file in /usr/share/xplanet/stars/BSC /usr/share/xplanet/arcs/constellations; do
  [ -f "$file" ] && head -c 2048 "$file" > "$build/sky_corpus/$(basename "$file")"
done
"$build/bin/fuzz_sky_data" -max_total_time=$(( (seconds + 3) / 4 )) -print_final_stats=1 -max_len=4096 \
  -artifact_prefix="$build/sky-" "$build/sky_corpus"
