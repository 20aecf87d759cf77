#pragma once

#include "body_ids.h"
#include "sky_vector.h"

#include <optional>

// Where a moon stands beside its planet on the sky of an observer at the
// Earth's centre: its angle from the planet's centre westwards and towards
// the projection of a chosen north (the planet's pole, or the celestial
// pole), in the planet's apparent equatorial radius; and its depth along the
// line of sight in the planet's radii, positive when the moon is farther
// than its planet.
struct SkyOffset {
    double west = 0;
    double north = 0;
    double farther = 0;
};

// At a Julian ephemeris day, with `north` on the ecliptic of J2000. The
// planet is seen where it stood when its light left (libnova's theories),
// the moon where it stood when its own light left: the planet's light-time
// and the time across the moon's extra depth. Nothing when the moon's place
// is not finite.
std::optional<SkyOffset> SeenFromEarth(MoonId moon, double julianEphemerisDay, const Vector3& north);
