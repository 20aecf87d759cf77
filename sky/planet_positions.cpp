#include "planet_positions.h"

#include "delta_t.h"
#include "libnova_turn.h"
#include "sky_bodies.h"
#include "sky_clock.h"
#include "sky_units.h"
#include "sky_vector.h"

#include <libnova/elliptic_motion.h>
#include <libnova/ln_types.h>
#include <libnova/lunar.h>

#include <cmath>

namespace {

// The truncation of ELP 2000-82B: a fortieth of the full series' cost, within
// 0.001 degrees of it.
constexpr double kLunarPrecision = 1e-6;

// Pluto's elements at J2000 besides its semi-major axis (its mean distance
// in SkyBodies): eccentricity, inclination, mean longitude, longitude of
// perihelion, of the ascending node, and its mean longitude's rate in degrees
// per Julian century.
constexpr double kPlutoE = 0.24882730;
constexpr double kPlutoI = 17.14001206;
constexpr double kPlutoL = 238.92903833;
constexpr double kPlutoPerihelion = 224.06891629;
constexpr double kPlutoNode = 110.30393684;
constexpr double kPlutoLRate = 145.20780515;

} // namespace

bool EclipticPlace::IsFinite() const
{
    return std::isfinite(longitude) && std::isfinite(latitude) && std::isfinite(distance) && distance > 0;
}

EclipticPlace HeliocentricPlace(BodyId planet, double julianEphemerisDay)
{
    ln_helio_posn position{};
    const auto turn = LibnovaTurn();
    SkyBodies()[planet].helioCoordinates(julianEphemerisDay, &position);
    return {position.L, position.B, position.R};
}

// The theories run on dynamical time: the Julian day of universal time,
// moved on by ΔT.
double JulianEphemerisDay(double julianDay)
{
    return julianDay + DeltaTSeconds(julianDay) / kSecondsPerDay;
}

EclipticPlace PlutoOnItsEllipse(double julianEphemerisDay)
{
    const double meanMotion = kPlutoLRate / kDaysPerJulianCentury; // degrees per day
    const double meanAnomalyAtJ2000 = kPlutoL - kPlutoPerihelion;
    // libnova's functions of the ellipse keep nothing between calls: no turn is needed.
    const double meanAnomaly = ln_get_ell_mean_anomaly(meanMotion, julianEphemerisDay - kJ2000) + meanAnomalyAtJ2000;
    const double eccentricAnomaly = ln_solve_kepler(kPlutoE, meanAnomaly);
    const double trueAnomaly = ln_get_ell_true_anomaly(kPlutoE, eccentricAnomaly);
    const double radius = ln_get_ell_radius_vector(SkyBodies()[Pluto].meanDistanceAu, kPlutoE, eccentricAnomaly);
    // From the orbit's plane to the ecliptic: the argument of latitude u is
    // measured from the ascending node.
    const double u = (trueAnomaly + kPlutoPerihelion - kPlutoNode) * kRadiansPerDegree;
    const double node = kPlutoNode * kRadiansPerDegree;
    const double inclination = kPlutoI * kRadiansPerDegree;
    return Spherical({radius * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(inclination)),
                      radius * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(inclination)),
                      radius * std::sin(u) * std::sin(inclination)});
}

EclipticPlace LunarPlace(double julianEphemerisDay)
{
    ln_rect_posn moon{};
    const auto turn = LibnovaTurn();
    ln_get_lunar_geo_posn(julianEphemerisDay, &moon, kLunarPrecision);
    return Spherical(Vector3{moon.X, moon.Y, moon.Z} / kKilometresPerAu);
}

std::array<PlanetLongitude, 9> HeliocentricLongitudes(const QDateTime& moment)
{
    const double jde = JulianEphemerisDay(JulianDayOf(moment));
    std::array<PlanetLongitude, 9> longitudes{};
    for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
        longitudes[i] = {kPlanetIds[i], HeliocentricPlace(kPlanetIds[i], jde).longitude};
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
