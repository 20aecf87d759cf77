#include "equatorial_to_ecliptic.h"

#include "sky_units.h"

#include <cmath>

namespace {

// The mean obliquity of the ecliptic at J2000 (IAU 2006), degrees.
constexpr double kObliquityJ2000 = 23.439279444;

} // namespace

Vector3 EclipticFromEquatorial(const Vector3& equatorial)
{
    const double e = kObliquityJ2000 * kRadiansPerDegree;
    return {equatorial[0], equatorial[1] * std::cos(e) + equatorial[2] * std::sin(e),
            -equatorial[1] * std::sin(e) + equatorial[2] * std::cos(e)};
}

EclipticPlace EclipticOfJ2000(double rightAscension, double declination)
{
    const double ra = rightAscension * kRadiansPerDegree;
    const double dec = declination * kRadiansPerDegree;
    const Vector3 equatorial{std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
    return Spherical(EclipticFromEquatorial(equatorial));
}
