#pragma once

#include <mutex>

// Every call of libnova that reaches its caches holds one of these turns
// for as long as it runs.
// - libnova keeps each theory's last answer in static variables (the
//   planets', the Moon's, the nutation's, which the conversions between
//   equator and ecliptic reach too), so two threads that ask it, the scene's
//   and a search for the sky's events, must take turns.
// - libnova's code is of the older vector encoding (SSE). Run after code that
//   left the upper halves of the wider registers in use without clearing them
//   (some libraries loaded with the window do), every such instruction waits
//   on them: the theories ran five times slower on this machine. The turn
//   clears them first. A new thread starts with its parent's registers, so a
//   worker is no exception.
// A thread takes one turn at a time: the lock is not recursive.
class [[nodiscard]] LibnovaTurn final {
public:
    LibnovaTurn();
    ~LibnovaTurn();
    LibnovaTurn(const LibnovaTurn&) = delete;
    LibnovaTurn& operator=(const LibnovaTurn&) = delete;

    // Whether the calling thread holds the turn now.
    static bool HeldHere();

private:
    std::unique_lock<std::mutex> Lock;
};
