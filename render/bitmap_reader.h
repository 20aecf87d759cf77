#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A decoded texture image ready for glTexImage2D with GL_BGR and the default
// unpack alignment of 4: rows from the bottom row of the image upwards, three
// bytes per pixel (blue, green, red), each row padded to a multiple of 4.
struct TextureBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Bytes of one row of a TextureBitmap `width` pixels wide.
std::int64_t TextureRowStride(int width);

// Decodes an uncompressed Windows bitmap of 8 bits (palette) or 24 bits per
// pixel with a BITMAPINFOHEADER (or its V4/V5 extensions). Refuses anything
// else, any missing data, and images with a side larger than `maxSide`.
std::optional<TextureBitmap> DecodeBitmap(std::span<const std::uint8_t> file, int maxSide);

// The largest file ReadBitmapFile reads for `maxSide`: room for the largest
// headers plus the pixels of the largest 24-bit image.
std::int64_t MaxBitmapFileBytes(int maxSide);

// Reads and decodes the bitmap file at `path`. Refuses what cannot be opened
// as a file, and files larger than MaxBitmapFileBytes(maxSide) without
// reading them whole.
std::optional<TextureBitmap> ReadBitmapFile(const QString& path, int maxSide);
