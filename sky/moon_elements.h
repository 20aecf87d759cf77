#pragma once

#include "body_ids.h"
#include "sky_vector.h"

// Phobos, Deimos and Triton on their mean orbits, and Charon above Pluto's
// prime meridian, at a Julian ephemeris day: from the planet's centre, on
// the ecliptic and equinox of J2000, in kilometres. `meanDistanceKm` is the
// orbit's semi-major axis.
Vector3 MoonOnMeanOrbit(MoonId moon, double meanDistanceKm, double julianEphemerisDay);

