#pragma once

#include <QDir>

namespace ImageGen {

// Writes the small window pictures, arrow-{up,down,left,right}.png (32 x 32),
// and the globe, globe-<size>.png: 32 and 16 for the window, and 16, 32, 48,
// 64, 128 and 256 for the desktop's icon theme; all with transparency.
void WriteIcons(const QDir& folder);

} // namespace ImageGen
