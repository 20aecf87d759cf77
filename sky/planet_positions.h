#pragma once

#include "body_ids.h"

#include <QDateTime>

#include <array>

// Where the nine planets really stand, from Debian's libnova: VSOP87 for
// Mercury to Neptune, Meeus's series for Pluto. Longitudes are heliocentric
// ecliptic, in degrees, referred to the mean ecliptic and equinox of J2000.0,
// the frame libnova gives them in.
//
// How a longitude L sits in the scene: L = 0, the vernal equinox, points along
// the scene's +X axis (to the right in the start view), and longitudes grow
// counter-clockwise seen from above (+Y), the way the animation turns the
// orbits. So a planet's orbit angle is its longitude: OrbitAngle = L.

struct PlanetLongitude {
    BodyId body;
    double degrees;
};

// The nine planets' longitudes at `moment` (any time zone; it is read as UTC),
// in body-id order. Only meaningful inside IsInSkyRange (sky_moment.h).
std::array<PlanetLongitude, 9> HeliocentricLongitudes(const QDateTime& moment);

// One planet's longitude at a Julian ephemeris day (dynamical time), and the
// Julian ephemeris day of a Julian day of universal time.
double LongitudeOf(BodyId planet, double julianEphemerisDay);
double JulianEphemerisDay(double julianDay);

// A longitude stored the way the animation stores an angle: a single float
// from 0 to below 360 (a value that rounds up to 360 becomes 0).
float ToOrbitAngle(double longitude);
