#pragma once

#include "planet_positions.h"
#include "sky_vector.h"

// The one turn from the equator of J2000 to the ecliptic of J2000 that the
// poles, the rotations and the stars share: of a vector, and of a direction
// given by its right ascension and declination in degrees (the ecliptic
// longitude and latitude in degrees, distance 1).
Vector3 EclipticFromEquatorial(const Vector3& equatorial);
EclipticPlace EclipticOfJ2000(double rightAscension, double declination);
