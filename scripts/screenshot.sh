#!/usr/bin/env bash
# Takes the README's screenshot: starts the program on a virtual X server with
# the planets where they stood on 2026-12-08, shows the orbits, widens the view
# so that the outer planets are in it, lets the scene move for a while, points
# at the Sun and saves the main window with the card beside the pointer.
# Usage: scripts/screenshot.sh [output, default docs/screenshot.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
out="$(realpath -m "${1:-docs/screenshot.png}")"
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
server=$!
trap 'kill "$server" 2>/dev/null' EXIT
sleep 1
DISPLAY="$display" build/release/bin/solar-system --date 2026-12-08 &
program=$!
sleep 20
# The top-level window carries the program's class; its inner view does too,
# but it comes later in the tree.
window=$(DISPLAY="$display" xwininfo -root -tree | grep -m1 '"Il sistema solare": ("solar-system"' | awk '{ print $1 }')
menu_height=16
click() { DISPLAY="$display" xdotool mousemove --window "$window" "$1" $(($2 + menu_height)) click 1; }
click 690 494 # "Visualizza le orbite"
for _ in $(seq 12); do
  click 168 493 # the right arrow of "Zoom"
done
DISPLAY="$display" xdotool mousemove --window "$window" 700 $((menu_height + 300))
sleep 10
# The card is a window of its own: the picture is cut from the whole screen.
DISPLAY="$display" xdotool mousemove --window "$window" 392 $((menu_height + 232))
DISPLAY="$display" xdotool mousemove --window "$window" 396 $((menu_height + 236))
sleep 1
eval "$(DISPLAY="$display" xdotool getwindowgeometry --shell "$window")"
DISPLAY="$display" import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
kill "$program"
echo "saved $out"
