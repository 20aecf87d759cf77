#!/usr/bin/env bash
# Runs a test program on a display of its own under a window manager that
# frames its windows, as a desktop does:
#   tests/with_window_manager.sh <program> [arguments]
# Needs xvfb-run, openbox and xprop.
set -euo pipefail

if [ "${1:-}" != "--on-display" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1200x24" bash "$0" --on-display "$@"
fi
shift

openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" 2>/dev/null || true' EXIT
# The manager is up once it names its check window on the root window.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  { echo "with_window_manager: openbox did not start" >&2; exit 1; }
"$@"
