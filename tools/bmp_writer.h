#pragma once

#include <QByteArray>
#include <QImage>

// Encodes `image` as an uncompressed Windows bitmap file: 8 bits per pixel
// with its colour table when the image is QImage::Format_Indexed8, otherwise
// 24 bits per pixel. Rows are stored bottom-up, padded to 4 bytes.
QByteArray EncodeBmp(const QImage& image);
