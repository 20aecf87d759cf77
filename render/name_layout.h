#pragma once

#include "body_places.h"

#include <QRectF>
#include <QSizeF>

#include <array>
#include <optional>

// Where each body's name stands on the view (device pixels, y up; a rect's
// top() is its lowest edge): right of the body, centred on its height; where
// that would cover a name already placed, centred below the body; where that
// too would, left out. The bigger bodies are placed first, so a name left
// out is always the smaller body's. Bodies not in front get none.
using NamePlaces = std::array<std::optional<QRectF>, kSceneBodyCount>;
NamePlaces PlaceNames(const BodyPlaces& places, const std::array<QSizeF, kSceneBodyCount>& sizes, double gap);
