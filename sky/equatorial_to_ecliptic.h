#pragma once

#include "planet_positions.h"

// The ecliptic place (longitude and latitude of J2000 in degrees, distance 1)
// of a direction given by its right ascension and declination of J2000 in
// degrees: the one turn from the equator to the ecliptic that the poles and
// the stars share.
EclipticPlace EclipticOfJ2000(double rightAscension, double declination);
