#include "sky_rates.h"

#include "sky_units.h"

#include <cstddef>

namespace {

constexpr double kSecondsPerYear = kDaysPerJulianYear * kSecondsPerDay;

struct RateRow {
    double skySecondsPerSecond; // 0 for the bar's rate, which the bar sets
    TimeOfDayShown timeOfDay;
};

// One row per SkyRate, in its order.
constexpr RateRow kRows[] = {
    {0, TimeOfDayShown::None},                    // SpeedBar
    {1, TimeOfDayShown::Seconds},                 // RealTime
    {60, TimeOfDayShown::Seconds},                // Minute
    {3600, TimeOfDayShown::Seconds},              // Hour
    {kSecondsPerDay, TimeOfDayShown::Minutes},    // Day
    {7 * kSecondsPerDay, TimeOfDayShown::None},   // Week
    {kSecondsPerYear / 12, TimeOfDayShown::None}, // Month
    {kSecondsPerYear, TimeOfDayShown::None},      // Year
};
static_assert(std::size(kRows) == kSkyRates.size());

const RateRow& Row(SkyRate rate)
{
    return kRows[static_cast<std::size_t>(rate)];
}

} // namespace

double SkySecondsPerSecond(SkyRate rate, std::uint8_t secondsPerYear)
{
    return rate == SkyRate::SpeedBar ? kSecondsPerYear / secondsPerYear : Row(rate).skySecondsPerSecond;
}

double RateFactor(SkyRate rate, std::uint8_t secondsPerYear)
{
    return rate == SkyRate::SpeedBar ? 1.0 : Row(rate).skySecondsPerSecond * secondsPerYear / kSecondsPerYear;
}

SkyRate FasterRate(SkyRate rate, std::uint8_t secondsPerYear)
{
    const double now = SkySecondsPerSecond(rate, secondsPerYear);
    for (std::size_t i = 1; i < kSkyRates.size(); ++i) {
        if (kRows[i].skySecondsPerSecond > now) {
            return kSkyRates[i];
        }
    }
    return SkyRate::Year;
}

SkyRate SlowerRate(SkyRate rate, std::uint8_t secondsPerYear)
{
    const double now = SkySecondsPerSecond(rate, secondsPerYear);
    for (std::size_t i = kSkyRates.size() - 1; i >= 1; --i) {
        if (kRows[i].skySecondsPerSecond < now) {
            return kSkyRates[i];
        }
    }
    return SkyRate::RealTime;
}

TimeOfDayShown TimeOfDayAt(SkyRate rate)
{
    return Row(rate).timeOfDay;
}
