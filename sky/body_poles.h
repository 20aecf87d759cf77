#pragma once

#include "body_ids.h"
#include "planet_positions.h"

// The direction of a body's north pole, the one its spin axis points at:
// ecliptic longitude and latitude of J2000 in degrees (distance 1), from the
// pole of its row in SkyBodies. The Sun and every planet and the Moon have
// one; NoBody gets the ecliptic's north.
EclipticPlace NorthPole(BodyId body);
