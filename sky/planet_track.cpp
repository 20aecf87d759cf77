#include "planet_track.h"

#include "sky_bodies.h"

#include <cmath>

namespace {

// Days between samples, in body-id order: the longest step whose linear
// interpolation stays within 0.005 degrees of the theory over 1885-2099.
constexpr std::array<double, 9> kStepDays{0.375, 4, 4, 4, 32, 32, 64, 64, 64};

} // namespace

std::array<PlanetLongitude, 9> PlanetTrack::At(double julianDay)
{
    std::array<PlanetLongitude, 9> longitudes{};
    for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
        const BodyId planet = kPlanetIds[i];
        const double step = kStepDays[i];
        Step& samples = Steps[i];
        const double start = std::floor(julianDay / step) * step;
        if (start != samples.start) {
            samples.start = start;
            samples.longitude = LongitudeOf(planet, JulianEphemerisDay(start));
            samples.change = std::remainder(LongitudeOf(planet, JulianEphemerisDay(start + step)) - samples.longitude,
                                            360.0);
        }
        longitudes[i] = {planet, samples.longitude + samples.change * (julianDay - start) / step};
    }
    return longitudes;
}
