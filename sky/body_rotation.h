#pragma once

#include "body_ids.h"
#include "sky_vector.h"

// How a body stands turned at a moment: unit vectors, on the ecliptic and
// equinox of J2000, to its north pole and to where its prime meridian
// crosses its equator (latitude 0, longitude 0). NoBody gets the ecliptic's
// north and longitude 0.
struct BodyAxes {
    Vector3 pole;
    Vector3 primeMeridian;
};
BodyAxes AxesAt(BodyId body, double julianEphemerisDay);

// A point on a body's surface: planetocentric latitude and east longitude,
// degrees, the longitude in (-180, 180].
struct SurfacePlace {
    double latitude = 0;
    double longitude = 0;
};

// The surface point a direction from the body's centre passes through, and
// the direction of a surface point.
SurfacePlace SurfacePlaceOf(const BodyAxes& axes, const Vector3& direction);
Vector3 SurfaceDirection(const BodyAxes& axes, const SurfacePlace& place);
