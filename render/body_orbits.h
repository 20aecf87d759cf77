#pragma once

#include "planet_positions.h"
#include "scene_state.h"
#include "sky_vector.h"

#include <array>

// Where the bodies circle: each planet at its distance from the Sun on its
// orbit angle about the scene's Y axis, the Moon on a circle round the Earth
// in the Earth's frame turned about X.
inline constexpr float kMoonDistance = 3;
inline constexpr float kMoonCircleTilt = 45; // degrees about X
inline constexpr float kDegreesToRadians = 0.0174532924F;

// A planet's distance from the Sun in scene units; 0 for the Sun and the Moon.
float OrbitDistance(BodyId id);

// The scene distance of a distance from the Sun in AU. It keeps the designed
// radii: each planet's mean distance (its semi-major axis of J2000) lands on
// its orbit's radius, and in between the map is linear in ln R, its first and
// last pieces extended. So true shapes keep the picture's proportions.
double SceneDistance(double au);

// A vector of rectangular ecliptic coordinates (J2000) in the scene frame.
Vector3 SceneVector(const Vector3& ecliptic);

// The unit vector of the scene frame towards ecliptic longitude and latitude
// (degrees): longitude 0 along +X, growing the way the orbits turn (towards
// -Z), latitude towards +Y, the scene's north.
Vector3 SceneDirection(double longitude, double latitude);

// A heliocentric place in the scene frame. A place that is not finite
// writes nothing and gives false.
bool ScenePoint(const EclipticPlace& place, Vector3& point);

// The frame a body is drawn in with true orbits, as glMultMatrixd takes it
// (by columns): +Y on its `pole`, +X where its prime `meridian` crosses its
// equator, +Z their cross product. A meridian off the equator is brought
// onto it; a missing one (zero) gives some meridian.
std::array<double, 16> BodyFrame(const Vector3& pole, const Vector3& meridian);

// The centre of a body in the scene frame (the Sun at its origin, the orbits
// in its XZ plane) at the scene's current angles, or where the real sky
// places it; for a moon's id, the moon's, beside its planet.
Vector3 BodyCentre(const SceneState& scene, BodyId id);
