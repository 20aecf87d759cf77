#include "sky_vector.h"

#include "sky_units.h"

#include <cmath>

Vector3 operator+(const Vector3& a, const Vector3& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

Vector3 operator-(const Vector3& a, const Vector3& b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Vector3 operator*(const Vector3& v, double factor)
{
    return {v[0] * factor, v[1] * factor, v[2] * factor};
}

Vector3 operator/(const Vector3& v, double divisor)
{
    return {v[0] / divisor, v[1] / divisor, v[2] / divisor};
}

double Dot(const Vector3& a, const Vector3& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Length(const Vector3& v)
{
    return std::sqrt(Dot(v, v));
}

Vector3 Rectangular(const EclipticPlace& place)
{
    const double l = place.longitude * kRadiansPerDegree;
    const double b = place.latitude * kRadiansPerDegree;
    return {place.distance * std::cos(b) * std::cos(l), place.distance * std::cos(b) * std::sin(l),
            place.distance * std::sin(b)};
}

EclipticPlace Spherical(const Vector3& v)
{
    return {std::atan2(v[1], v[0]) / kRadiansPerDegree, std::atan2(v[2], std::hypot(v[0], v[1])) / kRadiansPerDegree,
            Length(v)};
}
