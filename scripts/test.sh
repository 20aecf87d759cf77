#!/usr/bin/env bash
# Installs what is needed, builds the debug preset and runs every test,
# under a virtual X server when no display is available.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
run=(ctest --preset debug)
if [ -z "${DISPLAY:-}" ]; then
  run=(xvfb-run -a -s "-screen 0 1920x1200x24" "${run[@]}")
fi
"${run[@]}"
