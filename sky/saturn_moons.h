#pragma once

#include "moon_places.h"

// The B1950 epoch of the frame below, as a Julian ephemeris day.
inline constexpr double kB1950 = 2433282.4235;

// Mimas, Enceladus, Tethys, Dione, Rhea, Titan, Hyperion and Iapetus by
// Meeus, "Astronomical Algorithms" (2nd ed., 1998), chapter 46 (after
// Dourneau's theory), at a Julian ephemeris day: on the ecliptic and equinox
// of B1950, in the series' Saturn radii. No light-time is applied: the caller
// asks for the moment the light left.
MoonPlaces<8> SaturnMoons(double julianEphemerisDay);
