#include "planet_positions.h"

#include "sky_bodies.h"
#include "sky_clock.h"

#include <libnova/dynamical_time.h>
#include <libnova/ln_types.h>

#include <cmath>


double LongitudeOf(BodyId planet, double julianEphemerisDay)
{
    ln_helio_posn position{};
    SkyBodies()[planet].helioCoordinates(julianEphemerisDay, &position);
    return position.L;
}

// The theories run on dynamical time: the Julian day of universal time,
// moved on by libnova's table of the difference.
double JulianEphemerisDay(double julianDay)
{
    return ln_get_jde(julianDay);
}

std::array<PlanetLongitude, 9> HeliocentricLongitudes(const QDateTime& moment)
{
    const double jde = JulianEphemerisDay(JulianDayOf(moment));
    std::array<PlanetLongitude, 9> longitudes{};
    for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
        longitudes[i] = {kPlanetIds[i], LongitudeOf(kPlanetIds[i], jde)};
    }
    return longitudes;
}

float ToOrbitAngle(double longitude)
{
    double wrapped = std::fmod(longitude, 360.0);
    if (wrapped < 0) {
        wrapped += 360.0;
    }
    const auto angle = static_cast<float>(wrapped);
    return angle >= 360.0F ? 0.0F : angle;
}
