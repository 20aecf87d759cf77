#pragma once

#include <cstdint>

// The high-resolution counter the frame timer reads. A frequency of zero means
// that no such counter exists.
class PerformanceCounter {
public:
    virtual ~PerformanceCounter() = default;
    virtual std::int64_t Frequency() = 0;
    virtual std::int64_t Count() = 0;
};

// The system's monotonic clock, in nanoseconds.
class SteadyClockCounter final : public PerformanceCounter {
public:
    std::int64_t Frequency() override;
    std::int64_t Count() override;
};
