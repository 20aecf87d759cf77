#include "orbit_path.h"

#include <array>
#include <cmath>

namespace {

constexpr std::int64_t kHalfRevolution = OrbitPath::kSamplesPerRevolution / 2;
constexpr std::int64_t kMoveBy = OrbitPath::kSamplesPerRevolution / 8;

// In body-id order from Mercury; the Moon's row is unused.
constexpr std::array<double, Pluto - Mercury + 1> kSiderealPeriods{87.969, 224.701, 365.256, 0,       686.980, 4332.589,
                                                                   10759.22, 30685.4, 60189.0, 90560.0};

EclipticPlace TruePlace(BodyId planet, double julianEphemerisDay)
{
    return planet == Pluto ? PlutoOnItsEllipse(julianEphemerisDay) : HeliocentricPlace(planet, julianEphemerisDay);
}

} // namespace

double SiderealPeriodDays(BodyId planet)
{
    return kSiderealPeriods[planet - Mercury];
}

OrbitPath::OrbitPath(BodyId planet) : Planet(planet), StepDays(SiderealPeriodDays(planet) / kSamplesPerRevolution) {}

bool OrbitPath::Follow(double julianDay)
{
    const auto centre =
        static_cast<std::int64_t>(std::llround(julianDay / StepDays / static_cast<double>(kMoveBy))) * kMoveBy;
    const std::int64_t first = centre - kHalfRevolution;
    if (Built && first == FirstIndex) {
        return false;
    }
    std::vector<EclipticPlace> samples;
    samples.reserve(kSamplesPerRevolution + 1);
    for (std::int64_t index = first; index <= centre + kHalfRevolution; ++index) {
        const std::int64_t kept = index - FirstIndex;
        if (Built && kept >= 0 && kept < static_cast<std::int64_t>(Samples.size())) {
            samples.push_back(Samples[static_cast<std::size_t>(kept)]);
        } else {
            samples.push_back(TruePlace(Planet, JulianEphemerisDay(static_cast<double>(index) * StepDays)));
        }
    }
    Samples = std::move(samples);
    FirstIndex = first;
    Built = true;
    return true;
}
