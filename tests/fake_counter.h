#pragma once

#include "performance_counter.h"

#include <cstdint>

// A counter the test moves by hand; it counts how often it was read.
class FakeCounter final : public PerformanceCounter {
public:
    explicit FakeCounter(std::int64_t frequency) : frequency_(frequency) {}

    std::int64_t Frequency() override { return frequency_; }
    std::int64_t Count() override
    {
        ++reads;
        return now;
    }

    std::int64_t now = 1'000'000;
    int reads = 0;

private:
    std::int64_t frequency_;
};
