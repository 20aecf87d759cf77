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

// A place in ecliptic coordinates (mean ecliptic and equinox of J2000.0):
// longitude and latitude in degrees, distance in AU.
struct EclipticPlace {
    double longitude = 0;
    double latitude = 0;
    double distance = 0;

    bool IsFinite() const;
};

// The nine planets' longitudes at `moment` (any time zone; it is read as UTC),
// in body-id order. Only meaningful inside IsInSkyRange (sky_moment.h).
std::array<PlanetLongitude, 9> HeliocentricLongitudes(const QDateTime& moment);

// One planet's heliocentric place at a Julian ephemeris day (dynamical
// time), from its theory, and the Julian ephemeris day of a Julian day of
// universal time.
EclipticPlace HeliocentricPlace(BodyId planet, double julianEphemerisDay);
double JulianEphemerisDay(double julianDay);

// Pluto on the ellipse of its published J2000 elements (Standish's table of
// approximate elements), solved with libnova's elliptic motion. Pluto's
// revolution of 248 years outlasts the span of its theory, so its whole
// orbit comes from these.
EclipticPlace PlutoOnItsEllipse(double julianEphemerisDay);

// The Moon's geocentric place (ELP 2000-82B), at a Julian ephemeris day.
EclipticPlace LunarPlace(double julianEphemerisDay);

// A longitude stored the way the animation stores an angle: a single float
// from 0 to below 360 (a value that rounds up to 360 becomes 0).
float ToOrbitAngle(double longitude);
