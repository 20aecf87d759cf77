#pragma once

#include "body_ids.h"

#include <array>
#include <cstdint>

// Where a body stood in a frame that noted the places: its centre in window
// coordinates (device pixels, y up) and how far it reaches from there to the
// right on the screen. Bodies behind the eye, and bodies not drawn in that
// frame, are not in front.
struct BodyPlace {
    bool inFront = false;
    double x = 0;
    double y = 0;
    double extent = 0;
};
using BodyPlaces = std::array<BodyPlace, kSceneBodyCount>;

// Notes in `places`, when set, where the origin of the current model-view
// frame, the centre of body `id`, lands in the window, and how far the body
// reaches on the screen: a point its extent to the right of the centre in
// eye space, projected alike.
void RecordPlace(BodyPlaces* places, std::uint8_t id);
