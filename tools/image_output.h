#pragma once

#include <QImage>
#include <QString>

namespace ImageGen {

// Each writer encodes `image`, stores it at `path` and checks that the file on
// disk holds every byte; it throws std::runtime_error otherwise.

// Windows bitmap: 8 bits with palette for QImage::Format_Indexed8, else 24 bits.
void WriteBmp(const QString& path, const QImage& image);

void WritePng(const QString& path, const QImage& image);

} // namespace ImageGen
