#!/usr/bin/env bash
# Runs a test program as a native Wayland client under a compositor of its
# own (weston, headless, drawing with pixman, screenshots allowed), then
# starts the program itself and kills the compositor under it once its window
# is up, at two moments:
# each time the program must end within 5 seconds with status 1, no signal,
# and its one line naming the display.
# Usage: wayland_test.sh <test program> <solar-system>
set -euo pipefail
test_program="$1"
program="$2"
work="$(mktemp -d)"
chmod 700 "$work"
compositor=""
viewer=""
cleanup() {
  for pid in $viewer $compositor; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
test_name=wayland_test
source "$(dirname "$0")/display_loss_checks.sh"

export XDG_RUNTIME_DIR="$work"
export WAYLAND_DISPLAY="solar-test-wayland"
export QT_QPA_PLATFORM=wayland
unset DISPLAY

# No animations: a screenshot shows the windows as they are, not faded.
printf '[shell]\nstartup-animation=none\nanimation=none\nclose-animation=none\nfocus-animation=none\n' \
  >"$work/weston.ini"
start_compositor() {
  # A compositor that was killed leaves its socket behind.
  rm -f "$work/$WAYLAND_DISPLAY" "$work/$WAYLAND_DISPLAY.lock"
  weston --backend=headless-backend.so --use-pixman --debug --config="$work/weston.ini" --idle-time=0 \
    --width=1280 --height=1024 --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
  compositor=$!
  wait_until 100 test -S "$work/$WAYLAND_DISPLAY" || fail "weston did not start: $(cat "$work/weston.log")"
}

# The program's window is up once the compositor's screenshot shows most of
# its sky: pure black, which the desktop behind it never is.
window_shown() {
  rm -rf "$work/shot" && mkdir "$work/shot"
  (cd "$work/shot" && weston-screenshooter >/dev/null 2>&1) || return 1
  local black
  black="$(convert "$work"/shot/*.png -alpha off -fill white +opaque black -precision 12 \
    -format '%[fx:int((1-mean)*w*h+0.5)]' info: 2>/dev/null)" || return 1
  [ "${black:-0}" -gt 250000 ]
}

kill_compositor_after() {
  local situation=$1 seconds=$2
  start_compositor
  "$program" 2>"$work/stderr" &
  viewer=$!
  wait_until 300 window_shown || fail "$situation: no window shown within 30 s: $(cat "$work/stderr")"
  sleep "$seconds"
  running "$viewer" || fail "$situation: the program ended before the compositor: $(cat "$work/stderr")"
  kill -9 "$compositor"
  wait "$compositor" 2>/dev/null || true
  compositor=""
  expect_clean_end "$situation" "$WAYLAND_DISPLAY"
}

start_compositor
"$test_program"
kill -9 "$compositor"
wait "$compositor" 2>/dev/null || true
compositor=""

# Right after the window appears, while start-up is still settling.
kill_compositor_after "during start-up" 0
# While the loop draws.
kill_compositor_after "while drawing" 1
