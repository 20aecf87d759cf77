#!/usr/bin/env bash
# Installs what is needed, builds the release preset and starts the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/solar-system
