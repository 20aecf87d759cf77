#pragma once

#include <mutex>

// Every call of libnova's theories holds one of these turns.
// - libnova keeps each theory's last answer in static variables (the
//   planets', the Moon's, the nutation's), so two threads that ask it, the
//   scene's and a search for the sky's events, must take turns.
// - libnova's code is of the older vector encoding (SSE). Run after code that
//   left the upper halves of the wider registers in use without clearing them
//   (some libraries loaded with the window do), every such instruction waits
//   on them: the theories ran five times slower on this machine. The turn
//   clears them first. A new thread starts with its parent's registers, so a
//   worker is no exception.
std::unique_lock<std::mutex> LibnovaTurn();
