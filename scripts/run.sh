#!/usr/bin/env bash
# Installs what is needed, builds the program and the images it ships (not
# the tests or the benchmark) with the release preset, and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target solar-system
exec build/release/bin/solar-system
