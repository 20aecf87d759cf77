#pragma once

#include "moon_places.h"

// Io, Europa, Ganymede and Callisto by the longer series of Meeus,
// "Astronomical Algorithms" (2nd ed., 1998), chapter 44 (after Lieske's
// E-2x3 theory), at a Julian ephemeris day: on the mean ecliptic and equinox
// of that day, in the series' Jupiter radii. No light-time is applied: the
// caller asks for the moment the light left.
MoonPlaces<4> GalileanMoons(double julianEphemerisDay);
