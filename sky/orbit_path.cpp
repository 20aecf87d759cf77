#include "orbit_path.h"

#include "sky_bodies.h"

#include <cmath>

namespace {

constexpr std::int64_t kHalfRevolution = OrbitPath::kSamplesPerRevolution / 2;
constexpr std::int64_t kMoveBy = OrbitPath::kSamplesPerRevolution / 8;

EclipticPlace TruePlace(BodyId planet, double julianEphemerisDay)
{
    return planet == Pluto ? PlutoOnItsEllipse(julianEphemerisDay) : HeliocentricPlace(planet, julianEphemerisDay);
}

} // namespace

double SiderealPeriodDays(BodyId planet)
{
    return SkyBodies()[planet].siderealPeriodDays;
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
