#!/usr/bin/env bash
# Starts the program on an X server of its own, kills that server at a chosen
# moment and requires a clean end: status 1 within 5 seconds, no signal, and
# one line on standard error that names the display.
# Usage: display_loss_test.sh <build folder>
set -euo pipefail
program="$1/bin/solar-system"
work="$(mktemp -d)"
server=""
viewer=""
pointer=""
cleanup() {
  for pid in $pointer $viewer $server; do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
test_name=display_loss_test
source "$(dirname "$0")/display_loss_checks.sh"

# A private server that answers. -noreset: a server resets when its last
# client leaves, and refuses connections meanwhile. Another X server starting
# at the same moment (a parallel test run) can take the number this one
# chose; then it stops, and a new one is started.
start_server() {
  for _ in 1 2 3 4 5; do
    : >"$work/display"
    exec {fd}>"$work/display"
    Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    server=$!
    exec {fd}>&-
    if wait_until 100 test -s "$work/display"; then
      export DISPLAY=":$(head -n 1 "$work/display")"
      xdpyinfo >/dev/null 2>&1 && running "$server" && return 0
    fi
    kill -9 "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  done
  fail "no private X server would start: $(cat "$work/xvfb.log")"
}

start_viewer() {
  mkdir -m 700 -p "$work/runtime"
  XDG_RUNTIME_DIR="$work/runtime" "$program" 2>"$work/stderr" &
  viewer=$!
  window=""
  for _ in $(seq 300); do
    window="$(xdotool search --onlyvisible --name '^Il sistema solare$' 2>/dev/null | head -n 1)" || true
    [ -n "$window" ] && break
    running "$viewer" || fail "the program ended before its window appeared: $(cat "$work/stderr")"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window shown within 30 s"
}

kill_server_and_check() {
  local situation=$1
  kill -9 "$server"
  wait "$server" 2>/dev/null || true
  server=""
  expect_clean_end "$situation" "$DISPLAY"
}

# Right after the window appears, while start-up is still settling.
start_server; start_viewer
kill_server_and_check "during start-up"

# While the loop draws.
start_server; start_viewer
sleep 1
kill_server_and_check "while drawing"

# While picking passes run: the pointer keeps moving over the Sun.
start_server; start_viewer
(while xdotool mousemove --window "$window" 390 230 mousemove --window "$window" 400 240 2>/dev/null; do :; done) &
pointer=$!
sleep 1
kill_server_and_check "while picking"
wait "$pointer" 2>/dev/null || true
pointer=""

# With the picture window open: its menu item sits at the left of the menu bar.
# The click is repeated until the window opens: a slow (sanitized) build may
# not have its menu bar up when the main window first appears.
picture_open() { xdotool search --name '^Il Sole e i pianeti del sistema solare$' >/dev/null 2>&1; }
click_menu_until_open() {
  xdotool mousemove --window "$window" 40 10 click 1 2>/dev/null || true
  wait_until 10 picture_open
}
start_server; start_viewer
wait_until 30 click_menu_until_open || fail "the picture window did not open"
kill_server_and_check "with the picture window open"
