#pragma once

#include "scene_state.h"

// Where the planets' moons are drawn. Nothing is to scale: around each
// planet a distance map of its own puts the innermost moon just outside the
// planet as drawn (Saturn's ring included) and the outermost two of the
// planet's drawn radii beyond it, linear in the logarithm of the mean
// distance in between, so that the moons keep their order and the
// proportions of their spacing.

// A moon's drawn radius: its planet's drawn radius times the square root of
// the true ratio of their diameters (the smallest would vanish at the plain
// ratio), at least a tenth of the Earth's Moon as drawn and never more than
// that Moon.
double MoonRadius(MoonId moon);

// The distance of a moon's centre from its planet's in the scene frame.
double MoonDrawnDistance(MoonId moon);

// A moon's place from its planet's centre in the scene frame. Once the sky
// is real, in its true direction (moonDirection); before, on a circle in the
// planet's equator (the scene's XZ plane, where the planet stands upright),
// a whole number of turns to one of the planet's, the nearest to the true
// ratio of their periods, in the sense of the planets' orbits (Triton's,
// retrograde, against it), so that it keeps the animation's speed and comes
// round with its planet's angle without a jump.
Vector3 MoonOffsetInScene(const SceneState& scene, MoonId moon);

// Puts the moons' true directions from their planets at a Julian day of
// universal time into the scene. A moon whose place cannot be computed keeps
// its last direction.
void PlaceMoonsInTheSky(SceneState& scene, double julianDay);
