#pragma once

#include "body_ids.h"

#include <array>

struct ln_helio_posn;

// A pole's right ascension and declination of J2000, in degrees, at J2000
// and their drift in a Julian century (the precession of the Earth's axis,
// mostly).
struct PoleOnTheSky {
    double rightAscension;
    double declination;
    double rightAscensionPerCentury = 0;
    double declinationPerCentury = 0;
};

// A body's prime meridian at a moment: W = w0 + rate * d, d days of dynamical
// time from J2000, degrees from the ascending node of its equator on the
// Earth's equator of J2000, eastwards (negative rates turn retrograde).
struct RotationElements {
    double w0;
    double degreesPerDay;
};

// How the animation turns a body: its revolution in days of the animation's
// year of 365, and its turns about its axis in one revolution.
struct AnimationDays {
    int orbitDays = 0; // 0: no revolution of its own (the Sun, the Moon)
    double spinsPerOrbit = 0;
};

// What the program knows of one body, beyond its figures: each fact once.
// Where the animation's numbers and the published ones differ, the animation
// keeps its own and the true sky uses the published ones.
struct SkyBody {
    int catalogueIndex; // its row in XPModule::Planets; 0 for the Sun and the Moon
    // libnova's theory of its heliocentric place (Julian ephemeris day in);
    // null for the Sun and the Moon.
    void (*helioCoordinates)(double julianEphemerisDay, ln_helio_posn* position);
    AnimationDays animation;
    float animationDistance;   // radius of its drawn orbit, scene units; 0 for the Sun and the Moon
    double siderealPeriodDays; // NASA's planetary fact sheets; 0 for the Sun and the Moon
    double meanDistanceAu;     // semi-major axis of J2000 (Standish's approximate elements)
    // The north pole its spin axis points at (the IAU Working Group on
    // Cartographic Coordinates and Rotational Elements, 2009: secular terms;
    // the Moon's and Neptune's mean poles). Row 0 holds the ecliptic's own
    // north.
    PoleOnTheSky pole;
    // Its rotation, from the same report: the mean terms, without the small
    // periodic ones (the Moon's are its librations, of a few degrees).
    RotationElements rotation;
    int textureSlot; // its slot of OGLModule::TextureNames
};

// One row per body, indexed by body id (row 0, no body, is empty but for
// its pole).
const std::array<SkyBody, Pluto + 1>& SkyBodies();

// The nine planets, outwards from the Sun.
inline constexpr std::array<BodyId, 9> kPlanetIds{Mercury, Venus, Earth, Mars, Jupiter,
                                                  Saturn,  Uranus, Neptune, Pluto};
