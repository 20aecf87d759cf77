#!/usr/bin/env bash
# Runs a test program on a display of its own with two monitors side by side,
# LEFT at scale factor 1 and RIGHT at 2, as a laptop with a second screen:
#   tests/with_two_scales.sh <program> [arguments]
# Needs xvfb-run and xrandr. The server must not reset when xrandr leaves, or
# the monitors would go with it.
set -euo pipefail

if [ "${1:-}" != "--on-display" ]; then
  exec xvfb-run -a -s "-screen 0 3840x1200x24 -noreset" bash "$0" --on-display "$@"
fi
shift

xrandr --setmonitor LEFT 1920/508x1200/318+0+0 none >/dev/null
xrandr --setmonitor RIGHT 1920/508x1200/318+1920+0 none >/dev/null
export QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=2"
"$@"
