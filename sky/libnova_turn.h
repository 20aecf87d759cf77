#pragma once

#include <mutex>

// libnova keeps each theory's last answer in static variables (the planets',
// the Moon's, the nutation's), so two threads that ask it, the scene's and a
// search for the sky's events, must take turns. Hold the lock for the call.
std::unique_lock<std::mutex> LibnovaTurn();
