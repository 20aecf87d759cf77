#pragma once

#include "planet_positions.h"

#include <array>

// The one vector of the program's geometry, in the sky and in the scene:
// x, y and z.
using Vector3 = std::array<double, 3>;

Vector3 operator+(const Vector3& a, const Vector3& b);
Vector3 operator-(const Vector3& a, const Vector3& b);
Vector3 operator*(const Vector3& v, double factor);
Vector3 operator/(const Vector3& v, double divisor);
double Dot(const Vector3& a, const Vector3& b);
Vector3 Cross(const Vector3& a, const Vector3& b);
double Length(const Vector3& v);

// A place's rectangular ecliptic coordinates, in its unit of distance: x
// towards longitude 0, y towards longitude 90, z towards the ecliptic's
// north. The one conversion from longitude, latitude and distance.
Vector3 Rectangular(const EclipticPlace& place);

// The place of rectangular ecliptic coordinates: longitude, latitude and
// distance.
EclipticPlace Spherical(const Vector3& v);
