#include "ecliptic_precession.h"

#include "sky_units.h"

#include <cmath>

namespace {

constexpr double kRadiansPerArcsecond = kRadiansPerDegree / 3600;

using Rotation = EclipticTurn;

Rotation Product(const Rotation& a, const Rotation& b)
{
    Rotation r{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            for (int k = 0; k < 3; ++k) {
                r[i][j] += a[i][k] * b[k][j];
            }
        }
    }
    return r;
}

// AboutX and AboutZ turn a vector counter-clockwise by the angle; AboutY
// turns x towards z, the sense of θ.
Rotation AboutX(double a)
{
    return {{{1, 0, 0}, {0, std::cos(a), -std::sin(a)}, {0, std::sin(a), std::cos(a)}}};
}

Rotation AboutY(double a)
{
    return {{{std::cos(a), 0, -std::sin(a)}, {0, 1, 0}, {std::sin(a), 0, std::cos(a)}}};
}

Rotation AboutZ(double a)
{
    return {{{std::cos(a), -std::sin(a), 0}, {std::sin(a), std::cos(a), 0}, {0, 0, 1}}};
}

} // namespace

EclipticTurn EclipticOfDate(double julianEphemerisDay)
{
    const double t = (julianEphemerisDay - kJ2000) / kDaysPerJulianCentury;
    const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) * kRadiansPerArcsecond;
    const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) * kRadiansPerArcsecond;
    const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) * kRadiansPerArcsecond;
    const double e0 = 84381.448 * kRadiansPerArcsecond;
    const double e = (84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * kRadiansPerArcsecond;
    return Product(AboutX(-e), Product(AboutZ(z), Product(AboutY(theta), Product(AboutZ(zeta), AboutX(e0)))));
}

Vector3 Turned(const EclipticTurn& turn, const Vector3& v)
{
    return {Dot(turn[0], v), Dot(turn[1], v), Dot(turn[2], v)};
}

Vector3 TurnedBack(const EclipticTurn& turn, const Vector3& v)
{
    return turn[0] * v[0] + turn[1] * v[1] + turn[2] * v[2];
}
