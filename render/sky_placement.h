#pragma once

#include "planet_track.h"
#include "scene_state.h"

// Puts the real sky into the scene at a Julian day of universal time: the
// Moon in its true direction from the Earth at its drawn distance and, with
// `trueOrbits`, each planet at its true place through the distance map and
// every body's axis along its north pole. A place that cannot be computed
// leaves the body where it stood.
void PlaceBodiesInTheSky(SceneState& scene, PlanetTrack& track, double julianDay, bool trueOrbits);
