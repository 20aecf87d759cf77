#!/usr/bin/env bash
# Installs what is needed, builds the debug preset and runs every test, then
# builds the AddressSanitizer + UndefinedBehaviorSanitizer preset and runs
# every test again, then builds the ThreadSanitizer preset's few targets and
# runs the tests of the events' search, whose worker runs beside the window.
# Without a display the tests run under a virtual X server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
display=()
if [ -z "${DISPLAY:-}" ]; then
  display=(xvfb-run -a -s "-screen 0 1920x1200x24 -noreset")
fi
for preset in debug asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  "${display[@]}" ctest --preset "$preset"
done
# The tsan presets build and run only the events' tests.
cmake --preset tsan >/dev/null
cmake --build --preset tsan
"${display[@]}" ctest --preset tsan
scripts/fuzz.sh 60
