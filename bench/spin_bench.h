#pragma once

#include <cstdint>

// The spins over a simulated hour at "Tempo reale", frame by frame at a
// frame rate. A drawn angle is a float, so a slow body's angle may stand for
// the few frames its rate takes to cross one float step; a stall is a
// standstill longer than that. `worstStill` is the longest standstill of the
// Earth's and Pluto's angles over the frames that step takes (at most 1:
// none froze), and the Earth's turn over the hour is set against its rate.
struct SpinHour {
    int framesPerSecond = 0;
    long frames = 0;
    double worstStill = 0;
    double earthTurned = 0;   // degrees
    double earthExpected = 0; // degrees
};

SpinHour RunSpinHour(int framesPerSecond, std::uint8_t secondsPerYear);
