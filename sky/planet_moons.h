#pragma once

#include "body_ids.h"
#include "sky_vector.h"

#include <array>
#include <optional>

// What is known of a moon for its card: its planet, its mean distance from
// the planet (semi-major axis, km), its sidereal period (days) and its mean
// diameter (km). JPL's Solar System Dynamics tables.
struct MoonFacts {
    BodyId planet;
    double meanDistanceKm;
    double periodDays;
    double diameterKm;
};
const MoonFacts& FactsOf(MoonId moon);

// The equatorial radius (IAU 2015), km, of a planet that has moons here:
// the unit of their offsets. (Meeus's series for Jupiter count in Lieske's
// radius of 71398 km, and Dourneau's for Saturn in one near 60330 km: a
// tenth of a percent off, far below what the view shows.)
double PlanetRadiusKm(BodyId planet);

// A moon's place from its planet's centre at a Julian ephemeris day, where
// it stands at that moment (no light-time): on the ecliptic and equinox of
// J2000, the scene's frame, in its planet's equatorial radii as its theory
// counts them. Jupiter's and Saturn's by Meeus's series, the others on
// their mean orbits. Nothing for a moment that gives no finite place: the
// caller keeps the last one.
std::optional<Vector3> MoonOffset(MoonId moon, double julianEphemerisDay);

// Every moon at once, in moon-id order from kFirstMoon: each planet's series
// is evaluated once.
using AllMoonOffsets = std::array<std::optional<Vector3>, kMoonCount>;
AllMoonOffsets MoonOffsets(double julianEphemerisDay);

// The north pole of the equator a planet's moons are referred to, on the
// ecliptic of J2000: that of Meeus's series for Jupiter and Saturn, the
// IAU's pole (sky_bodies.h) for the others.
Vector3 MoonSystemPole(BodyId planet, double julianEphemerisDay);
