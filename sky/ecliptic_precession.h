#pragma once

#include "sky_vector.h"

#include <array>

// The turn from the ecliptic and equinox of J2000 to the mean ecliptic and
// equinox of a Julian ephemeris day, as the rows of its matrix: to the
// equator of J2000, the IAU 1976 precession of the equator (Lieske's
// angles), then to the ecliptic of date by its mean obliquity.
using EclipticTurn = std::array<Vector3, 3>;
EclipticTurn EclipticOfDate(double julianEphemerisDay);

// A vector carried by the turn, and back.
Vector3 Turned(const EclipticTurn& turn, const Vector3& v);
Vector3 TurnedBack(const EclipticTurn& turn, const Vector3& v);
