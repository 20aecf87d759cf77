#pragma once

#include "body_ids.h"

#include <array>

struct ln_helio_posn;

// What the program knows of one body, beyond its figures.
struct SkyBody {
    int catalogueIndex; // its row in XPModule::Planets; 0 for the Sun and the Moon
    // libnova's theory of its heliocentric place (Julian ephemeris day in);
    // null for the Sun and the Moon.
    void (*helioCoordinates)(double julianEphemerisDay, ln_helio_posn* position);
};

// One row per body, indexed by body id (row 0, no body, is empty).
const std::array<SkyBody, Pluto + 1>& SkyBodies();

// The nine planets, outwards from the Sun.
inline constexpr std::array<BodyId, 9> kPlanetIds{Mercury, Venus, Earth, Mars, Jupiter,
                                                  Saturn,  Uranus, Neptune, Pluto};
