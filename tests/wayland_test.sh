#!/usr/bin/env bash
# Runs a test program as a native Wayland client under a compositor of its
# own (weston, headless, drawing with pixman, screenshots allowed), then
# starts the program itself and kills the compositor under it at two moments:
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
fail() { echo "wayland_test: $*" >&2; exit 1; }
wait_until() {
  local tenths=$1; shift
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }

export XDG_RUNTIME_DIR="$work"
export WAYLAND_DISPLAY="solar-test-wayland"
export QT_QPA_PLATFORM=wayland
unset DISPLAY

# No animations: a screenshot shows the windows as they are, not faded.
printf '[shell]\nstartup-animation=none\nanimation=none\nclose-animation=none\nfocus-animation=none\n' \
  >"$work/weston.ini"
start_compositor() {
  weston --backend=headless-backend.so --use-pixman --debug --config="$work/weston.ini" --idle-time=0 \
    --width=1280 --height=1024 --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 &
  compositor=$!
  wait_until 100 test -S "$work/$WAYLAND_DISPLAY" || fail "weston did not start: $(cat "$work/weston.log")"
}

kill_compositor_after() {
  local situation=$1 seconds=$2
  start_compositor
  "$program" 2>"$work/stderr" &
  viewer=$!
  sleep "$seconds"
  running "$viewer" || fail "$situation: the program ended before the compositor: $(cat "$work/stderr")"
  kill -9 "$compositor"
  wait "$compositor" 2>/dev/null || true
  compositor=""
  wait_until 50 stopped "$viewer" || fail "$situation: still running 5 s after the compositor went away"
  local status=0
  wait "$viewer" || status=$?
  viewer=""
  [ "$status" -eq 1 ] || fail "$situation: exit status $status instead of 1 ($(cat "$work/stderr"))"
  local expected="Il sistema solare: lost the connection to the display \"$WAYLAND_DISPLAY\"; the program ends."
  [ "$(cat "$work/stderr")" = "$expected" ] || fail "$situation: standard error was: $(cat "$work/stderr")"
  echo "wayland_test: $situation: ended with status 1 and one line"
}

start_compositor
"$test_program"
kill -9 "$compositor"
wait "$compositor" 2>/dev/null || true
compositor=""

kill_compositor_after "during start-up" 0.3
kill_compositor_after "while drawing" 3
