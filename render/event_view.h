#pragma once

#include "scene_state.h"
#include "sky_events.h"

#include <cstdint>

// How the view shows an event of the sky once the scene stands at it: the
// body to follow, the camera turn that puts the event's side before the
// eye, and the "Zoom" angle at which the body fills about a third of the
// view's height.
struct EventView {
    std::uint8_t body = NoBody;
    double turn = 0;
    int zoom = 0;
};

// A solar eclipse shows the Earth where the Moon's shadow falls; a lunar
// eclipse and a phase, the Moon from the Earth's side; a season, the Earth
// from the Sun's; the planets' events, the planet from the Earth's side.
EventView ViewOfEvent(const SceneState& scene, const SkyEvent& event, double tilt);

// Whether an event is seen only in the true sky (the shadows need it).
bool NeedsTrueOrbits(const SkyEvent& event);
