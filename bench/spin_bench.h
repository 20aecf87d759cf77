#pragma once

#include <cstdint>

// The spins over a simulated hour at "Tempo reale", frame by frame at a
// frame rate: how many frames left the Earth's or Pluto's angle where it was
// (a stall), and how far the Earth turned against its rate times the hour.
struct SpinHour {
    int framesPerSecond = 0;
    long frames = 0;
    long stalls = 0;
    double earthTurned = 0;   // degrees
    double earthExpected = 0; // degrees
};

SpinHour RunSpinHour(int framesPerSecond, std::uint8_t secondsPerYear);
