#include "body_rotation.h"

#include "equatorial_to_ecliptic.h"
#include "sky_bodies.h"
#include "sky_units.h"

#include <cmath>

BodyAxes AxesAt(BodyId body, double julianEphemerisDay)
{
    const SkyBody& row = SkyBodies()[body];
    const double days = julianEphemerisDay - kJ2000;
    const double centuries = days / kDaysPerJulianCentury;
    const double ra = (row.pole.rightAscension + row.pole.rightAscensionPerCentury * centuries) * kRadiansPerDegree;
    const double dec = (row.pole.declination + row.pole.declinationPerCentury * centuries) * kRadiansPerDegree;
    const Vector3 pole{std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
    // The ascending node of the body's equator on the Earth's, 90 degrees
    // east of the pole's right ascension; the meridian W further east.
    const Vector3 node{-std::sin(ra), std::cos(ra), 0};
    const double w = std::fmod(row.rotation.w0 + row.rotation.degreesPerDay * days, 360.0) * kRadiansPerDegree;
    const Vector3 meridian = node * std::cos(w) + Cross(pole, node) * std::sin(w);
    return {EclipticFromEquatorial(pole), EclipticFromEquatorial(meridian)};
}

SurfacePlace SurfacePlaceOf(const BodyAxes& axes, const Vector3& direction)
{
    const Vector3 east = Cross(axes.pole, axes.primeMeridian);
    const double north = Dot(direction, axes.pole);
    const double out = std::hypot(Dot(direction, east), Dot(direction, axes.primeMeridian));
    return {std::atan2(north, out) / kRadiansPerDegree,
            std::atan2(Dot(direction, east), Dot(direction, axes.primeMeridian)) / kRadiansPerDegree};
}

Vector3 SurfaceDirection(const BodyAxes& axes, const SurfacePlace& place)
{
    const Vector3 east = Cross(axes.pole, axes.primeMeridian);
    const double lat = place.latitude * kRadiansPerDegree;
    const double lon = place.longitude * kRadiansPerDegree;
    return axes.pole * std::sin(lat) + (axes.primeMeridian * std::cos(lon) + east * std::sin(lon)) * std::cos(lat);
}
