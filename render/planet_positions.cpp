#include "planet_positions.h"

#include "sky_moment.h"

#include <libnova/dynamical_time.h>
#include <libnova/earth.h>
#include <libnova/julian_day.h>
#include <libnova/jupiter.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <cmath>

namespace {

using HelioCoordinates = void (*)(double, ln_helio_posn*);

struct PlanetTheory {
    BodyId body;
    HelioCoordinates coordinates;
};

constexpr std::array<PlanetTheory, 9> kTheories{{
    {Mercury, ln_get_mercury_helio_coords},
    {Venus, ln_get_venus_helio_coords},
    {Earth, ln_get_earth_helio_coords},
    {Mars, ln_get_mars_helio_coords},
    {Jupiter, ln_get_jupiter_helio_coords},
    {Saturn, ln_get_saturn_helio_coords},
    {Uranus, ln_get_uranus_helio_coords},
    {Neptune, ln_get_neptune_helio_coords},
    {Pluto, ln_get_pluto_helio_coords},
}};

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
    for (std::size_t i = 0; i < kTheories.size(); ++i) {
        ln_helio_posn position{};
        kTheories[i].coordinates(jde, &position);
        longitudes[i] = {kTheories[i].body, position.L};
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

bool SetOrbitAnglesAt(SceneState& scene, const QDateTime& moment)
{
    if (!IsInSkyRange(moment)) {
        return false;
    }
    for (const PlanetLongitude& planet : HeliocentricLongitudes(moment)) {
        scene.OrbitAngle[planet.body] = ToOrbitAngle(planet.degrees);
    }
    return true;
}
