#pragma once

// Sample images the bitmap tests encode with EncodeBmp.

#include "bmp_writer.h"

#include <QImage>

#include <cstdint>
#include <vector>

// A 24-bit image whose red follows the column, green the row and blue both,
// so every pixel differs from its neighbours; `seed` shifts red and green so
// that two images of the same size can differ too.
inline QImage SampleTrueColourImage(int width, int height, int seed = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb((x * 7 + seed) % 256, (y * 13 + seed) % 256, (x + y) * 29 % 256));
        }
    }
    return image;
}

// An 8-bit image over a palette of `colours` entries using every entry.
inline QImage SampleIndexedImage(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i) {
        palette.append(qRgb(i, 255 - i, (i * 37) % 256));
    }
    image.setColorTable(palette);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            row[x] = static_cast<uchar>((x + y * width) % colours);
        }
    }
    return image;
}

inline std::vector<std::uint8_t> ToBytes(const QByteArray& data)
{
    return {data.begin(), data.end()};
}

// Small valid bitmaps of both depths, with and without row padding: the
// starting points of the decoder's fuzzing.
inline std::vector<std::vector<std::uint8_t>> FuzzSeeds()
{
    std::vector<std::vector<std::uint8_t>> seeds;
    for (const QImage& image : {SampleTrueColourImage(5, 3), SampleTrueColourImage(4, 4), SampleTrueColourImage(1, 7),
                                SampleIndexedImage(7, 2, 256), SampleIndexedImage(3, 3, 5),
                                SampleIndexedImage(1, 1, 1)}) {
        seeds.push_back(ToBytes(EncodeBmp(image)));
    }
    return seeds;
}
