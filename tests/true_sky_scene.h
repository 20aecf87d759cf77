#pragma once

#include "planet_track.h"
#include "sky_clock.h"
#include "sky_expectations.h"
#include "sky_placement.h"

// The scene as the real sky places it at `utc` (ISO 8601, no zone), on
// circles or true orbits.
inline SceneState SkyScene(const char* utc, bool trueOrbits)
{
    SceneState scene;
    PlanetTrack track;
    const double day = JulianDayOf(Utc(utc));
    SetOrbitAngles(scene, track.At(day));
    PlaceBodiesInTheSky(scene, track, day, trueOrbits);
    return scene;
}
