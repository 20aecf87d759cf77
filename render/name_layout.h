#pragma once

#include "scene_renderer.h"

#include <QRectF>
#include <QSizeF>

#include <array>
#include <optional>

// Where each body's name stands on the view (device pixels, y up; a rect's
// top() is its lowest edge): right of the body, centred on its height; where
// that would cover a name already placed, centred below the body; where that
// too would, left out. The bigger bodies are placed first, so a name left
// out is always the smaller body's. Bodies not in front get none.
using NamePlaces = std::array<std::optional<QRectF>, Pluto + 1>;
NamePlaces PlaceNames(const BodyPlaces& places, const std::array<QSizeF, Pluto + 1>& sizes, double gap);
