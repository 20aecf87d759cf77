#include "planet_positions.h"

#include "sky_bodies.h"

#include <libnova/dynamical_time.h>
#include <libnova/julian_day.h>
#include <libnova/ln_types.h>

#include <cmath>

namespace {

// The theories run on dynamical time: the Julian day of the UTC moment,
// moved on by libnova's table of the difference.
double JulianEphemerisDay(const QDateTime& moment)
{
    const QDateTime utc = moment.toUTC();
    ln_date date{};
    date.years = utc.date().year();
    date.months = utc.date().month();
    date.days = utc.date().day();
    date.hours = utc.time().hour();
    date.minutes = utc.time().minute();
    date.seconds = utc.time().second() + utc.time().msec() / 1000.0;
    return ln_get_jde(ln_get_julian_day(&date));
}

} // namespace

std::array<PlanetLongitude, 9> HeliocentricLongitudes(const QDateTime& moment)
{
    const double jde = JulianEphemerisDay(moment);
    std::array<PlanetLongitude, 9> longitudes{};
    for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
        ln_helio_posn position{};
        SkyBodies()[kPlanetIds[i]].helioCoordinates(jde, &position);
        longitudes[i] = {kPlanetIds[i], position.L};
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
