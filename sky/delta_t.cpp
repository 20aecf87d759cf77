#include "delta_t.h"

#include "sky_units.h"

#include <libnova/dynamical_time.h>

#include <array>
#include <cmath>

namespace {

constexpr int kFirstObservedYear = 2000;
// ΔT at the start of each year from 2000 to 2026 (IERS Bulletins, as
// tabulated by the US Naval Observatory).
constexpr std::array<double, 27> kObserved{63.83, 64.09, 64.30, 64.47, 64.57, 64.69, 64.85, 65.15, 65.46,
                                           65.78, 66.07, 66.32, 66.60, 66.91, 67.28, 67.64, 68.10, 68.59,
                                           68.97, 69.22, 69.36, 69.36, 69.29, 69.20, 69.18, 69.14, 69.10};
constexpr double kLastObservedYear = kFirstObservedYear + static_cast<double>(kObserved.size() - 1);

// Espenak and Meeus, "Five Millennium Canon of Solar Eclipses" (2006), for
// 2050 to 2150.
double LongTermDeltaT(double year)
{
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

} // namespace

double DeltaTSeconds(double julianDay)
{
    // The year as a decimal, near enough for a quantity that changes by
    // about a second a year.
    const double year = 2000.0 + (julianDay - kJ2000) / kDaysPerJulianYear;
    if (year < kFirstObservedYear) {
        // libnova's ΔT keeps nothing between calls: no turn is needed.
        return (ln_get_jde(julianDay) - julianDay) * kSecondsPerDay;
    }
    if (year < kLastObservedYear) {
        const double whole = std::floor(year - kFirstObservedYear);
        const auto index = static_cast<std::size_t>(whole);
        const double fraction = year - kFirstObservedYear - whole;
        return kObserved[index] + fraction * (kObserved[index + 1] - kObserved[index]);
    }
    constexpr double kJoinYear = 2050;
    if (year < kJoinYear) {
        const double share = (year - kLastObservedYear) / (kJoinYear - kLastObservedYear);
        return kObserved.back() + share * (LongTermDeltaT(kJoinYear) - kObserved.back());
    }
    return LongTermDeltaT(year);
}
