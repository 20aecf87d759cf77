#pragma once

#include "fixed_point4.h"
#include "performance_counter.h"

#include <cstdint>
#include <functional>

// Measures the time between two passes of the render loop with the
// high-resolution counter, so that the animation advances by time.
class VbTimer {
public:
    // `onNoCounter` runs once, during construction, when the counter reports
    // a frequency of zero.
    VbTimer(PerformanceCounter& counter, const std::function<void()>& onNoCounter);

    // Reads the counter (unless paused) and returns the seconds since the
    // previous reading.
    double UpdateTimer(const std::int16_t& ElapsedFrames);
    // Restarts the clock at the current counter value.
    void Start();

    FixedPoint4 ElapsedSeconds() const { return FixedPoint4::FromDouble(FrameSeconds); }
    FixedPoint4 Frequency() const { return CounterFrequency; }
    FixedPoint4 FPS() const { return FixedPoint4::FromDouble(FrameRate); }
    bool Paused() const { return IsPaused; }
    FixedPoint4 TotalTime() const;
    // The counter's reading in seconds, paused or not: real time for what
    // moves while the animation waits.
    double ClockSeconds() const;
    void Paused(bool NewValue);

private:
    double SecondsBetween(FixedPoint4 later, FixedPoint4 earlier) const;

    PerformanceCounter& Counter;
    double FrameSeconds = 0;
    double FrameRate = 0;
    bool IsPaused = false;
    FixedPoint4 CounterFrequency;
    FixedPoint4 StartCount;
    FixedPoint4 LastCount;
    FixedPoint4 CurrentCount;
};
