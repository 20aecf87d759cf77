#pragma once

#include <QDir>

namespace ImageGen {

// Writes the bitmaps the viewer maps onto the Sun, the planets, the Moon, the
// planets' moons, the clouds and the glows: equirectangular maps, north at the top.
void WriteTextures(const QDir& folder);

} // namespace ImageGen
