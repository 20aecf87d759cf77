#include "vb_timer.h"

VbTimer::VbTimer(PerformanceCounter& counter, const std::function<void()>& onNoCounter)
    : Counter(counter), CounterFrequency{counter.Frequency()}
{
    if (CounterFrequency.raw == 0 && onNoCounter) {
        onNoCounter();
    }
}

double VbTimer::SecondsBetween(FixedPoint4 later, FixedPoint4 earlier) const
{
    // Both operands carry the same factor 10000, which cancels in the ratio.
    // Without a counter there is no time to measure.
    if (CounterFrequency.raw == 0) {
        return 0;
    }
    return (later - earlier).ToDouble() / CounterFrequency.ToDouble();
}

double VbTimer::UpdateTimer(const std::int16_t& ElapsedFrames)
{
    if (!Paused() && CounterFrequency.raw != 0) {
        CurrentCount.raw = Counter.Count();
        FrameSeconds = SecondsBetween(CurrentCount, LastCount);
        LastCount = CurrentCount;
        // Two equal readings leave the rate of the last measured frame.
        if (FrameSeconds > 0) {
            FrameRate = static_cast<double>(ElapsedFrames) / FrameSeconds;
        }
    }
    return FrameSeconds;
}

void VbTimer::Start()
{
    IsPaused = false;
    StartCount.raw = Counter.Count();
    LastCount = StartCount;
    // No reading since the start yet: the total time is zero, not the
    // distance from counter zero.
    CurrentCount = StartCount;
}

FixedPoint4 VbTimer::TotalTime() const
{
    return FixedPoint4::FromDouble(SecondsBetween(CurrentCount, StartCount));
}

double VbTimer::ClockSeconds() const
{
    return SecondsBetween(FixedPoint4{Counter.Count()}, FixedPoint4{});
}

void VbTimer::Paused(bool NewValue)
{
    IsPaused = NewValue;
    if (NewValue) {
        FrameSeconds = 0;
    } else {
        Start();
    }
}
