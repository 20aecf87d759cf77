#pragma once

#include <QDir>

namespace ImageGen {

// Writes sistema-solare.png: the Sun's limb at the left edge, then the
// planets in a row, each named in Italian.
void WritePoster(const QDir& folder);

} // namespace ImageGen
