#pragma once

#include "scene_state.h"

#include <QImage>

#include <cstdint>
#include <functional>

// The passes over the current context that are not a frame to be shown: the
// projection of the view, the pick under the pointer, and a frame read back.

// Sets the viewport to `width` by `height` device pixels and the projection
// to a vertical angle of `perspective` degrees; the model-view matrix is left
// the identity.
void SetViewProjection(int width, int height, double perspective);

// The body under the point (`x`, `y`) in device pixels from the view's top
// left: `draw` draws the scene once more in selection mode through a
// one-pixel region round the point, and the nearest named hit is the answer
// (NoBody for none). Nothing is drawn on the screen.
std::uint8_t PickBodyAt(SceneState& scene, double x, double y, double perspective, const std::function<void()>& draw);

// The frame that `draw` leaves in the back buffer, top row first; a null
// image when it cannot be read back.
QImage ReadBackFrame(const std::function<void()>& draw);
