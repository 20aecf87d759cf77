#pragma once

#include "scene_state.h"

#include <array>

// Where the bodies circle: each planet at its distance from the Sun on its
// orbit angle about the scene's Y axis, the Moon on a circle round the Earth
// in the Earth's frame turned about X.
inline constexpr float kMoonDistance = 3;
inline constexpr float kMoonCircleTilt = 45; // degrees about X
inline constexpr float kDegreesToRadians = 0.0174532924F;

// A planet's distance from the Sun in scene units; 0 for the Sun and the Moon.
float OrbitDistance(BodyId id);

// The centre of a body in the scene frame (the Sun at its origin, the orbits
// in its XZ plane) at the scene's current angles.
std::array<double, 3> BodyCentre(const SceneState& scene, BodyId id);
