#include "sky_rates.h"

#include "sky_units.h"

#include <cstddef>

namespace {

constexpr double kSecondsPerYear = kDaysPerJulianYear * kSecondsPerDay;

struct RateRow {
    double skySecondsPerSecond; // 0 for the bar's rate, which the bar sets
    const char* menuText;
    const char* dateText;
    TimeOfDayShown timeOfDay;
};

// One row per SkyRate, in its order.
constexpr RateRow kRows[] = {
    {0, "Come la barra Velocità", "", TimeOfDayShown::None},
    {1, "Tempo reale", "tempo reale", TimeOfDayShown::Seconds},
    {60, "1 minuto al secondo", "1 minuto/s", TimeOfDayShown::Seconds},
    {3600, "1 ora al secondo", "1 ora/s", TimeOfDayShown::Seconds},
    {kSecondsPerDay, "1 giorno al secondo", "1 giorno/s", TimeOfDayShown::Minutes},
    {7 * kSecondsPerDay, "1 settimana al secondo", "1 settimana/s", TimeOfDayShown::None},
    {kSecondsPerYear / 12, "1 mese al secondo", "1 mese/s", TimeOfDayShown::None},
    {kSecondsPerYear, "1 anno al secondo", "1 anno/s", TimeOfDayShown::None},
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

QString RateMenuText(SkyRate rate)
{
    return QString::fromUtf8(Row(rate).menuText);
}

QString RateDateText(SkyRate rate)
{
    return QString::fromUtf8(Row(rate).dateText);
}

TimeOfDayShown TimeOfDayAt(SkyRate rate)
{
    return Row(rate).timeOfDay;
}
