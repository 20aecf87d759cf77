#pragma once

#include <QImage>
#include <QString>

namespace ImageGen {

// Loads one picture of the Debian package openuniverse-common, converted to
// 32-bit RGB. Throws std::runtime_error naming the package when the file is
// missing or unreadable, so the build stops with a clear message.
QImage LoadSourceTexture(const QString& fileName);

} // namespace ImageGen
