# Shell functions shared by the tests that take the display away under the
# running program. Source it after setting `test_name`, `work` (a scratch
# folder holding the program's standard error in "$work/stderr") and
# `viewer` (the program's process id).

fail() { echo "$test_name: $*" >&2; exit 1; }

# Polls `command` every 0.1 s for at most `tenths` tenths of a second.
wait_until() {
  local tenths=$1; shift
  for _ in $(seq "$tenths"); do "$@" && return 0; sleep 0.1; done
  return 1
}
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }

# The display `name` has gone: the program must end within 5 s with status 1,
# no signal, and one line on standard error that names the display.
expect_clean_end() {
  local situation=$1 name=$2
  wait_until 50 stopped "$viewer" || fail "$situation: still running 5 s after the display went away"
  local status=0
  wait "$viewer" || status=$?
  viewer=""
  [ "$status" -eq 1 ] || fail "$situation: exit status $status instead of 1 ($(cat "$work/stderr"))"
  local expected="Il sistema solare: lost the connection to the display \"$name\"; the program ends."
  [ "$(cat "$work/stderr")" = "$expected" ] || fail "$situation: standard error was: $(cat "$work/stderr")"
  echo "$test_name: $situation: ended with status 1 and one line"
}
