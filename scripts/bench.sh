#!/usr/bin/env bash
# Installs what is needed, builds the release preset and runs the benchmark,
# under a virtual X server when no display is available. The build's output
# goes to standard error, so that standard output carries only the table.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh >&2
cmake --preset release >/dev/null
cmake --build --preset release >&2
run=(build/release/bin/solar-bench)
if [ -z "${DISPLAY:-}" ]; then
  run=(xvfb-run -a -s "-screen 0 1920x1080x24" "${run[@]}")
fi
"${run[@]}"
