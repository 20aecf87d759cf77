#include "performance_counter.h"

#include <chrono>

std::int64_t SteadyClockCounter::Frequency()
{
    using Period = std::chrono::steady_clock::period;
    static_assert(Period::num == 1, "the counter needs whole ticks per second");
    return Period::den;
}

std::int64_t SteadyClockCounter::Count()
{
    return std::chrono::steady_clock::now().time_since_epoch().count();
}
