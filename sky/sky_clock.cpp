#include "sky_clock.h"

#include "sky_moment.h"
#include "sky_units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kJulianDayOfUnixEpoch = 2440587.5;
constexpr double kMillisecondsPerDay = 1000 * kSecondsPerDay;

} // namespace

double JulianDayOf(const QDateTime& moment)
{
    return static_cast<double>(moment.toMSecsSinceEpoch()) / kMillisecondsPerDay + kJulianDayOfUnixEpoch;
}

std::int64_t UnixMillisecondsOfJulianDay(double julianDay)
{
    return std::llround((julianDay - kJulianDayOfUnixEpoch) * kMillisecondsPerDay);
}

QDateTime MomentOfJulianDay(double julianDay)
{
    return QDateTime::fromMSecsSinceEpoch(UnixMillisecondsOfJulianDay(julianDay), Qt::UTC);
}

bool SkyClock::SetMoment(const QDateTime& moment)
{
    if (!IsInSkyRange(moment)) {
        return false;
    }
    Set = true;
    Day = JulianDayOf(moment);
    return true;
}

QDateTime SkyClock::Moment() const
{
    return MomentOfJulianDay(Day);
}

bool SkyClock::Advance(double seconds, std::uint8_t secondsPerYear)
{
    if (!Set || secondsPerYear == 0) {
        return false;
    }
    static const double earliest = JulianDayOf(EarliestSkyMoment());
    static const double latest = JulianDayOf(LatestSkyMoment());
    const double wanted = Day + seconds / secondsPerYear * kDaysPerJulianYear;
    Day = std::clamp(wanted, earliest, latest);
    return (seconds > 0 && wanted >= latest) || (seconds < 0 && wanted <= earliest);
}
