#pragma once

#include <QDir>

namespace ImageGen {

// Writes the small window pictures: arrow-{up,down,left,right}.png (32 x 32)
// and the globe, globe-32.png and globe-16.png, all with transparency.
void WriteIcons(const QDir& folder);

} // namespace ImageGen
