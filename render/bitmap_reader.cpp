#include "bitmap_reader.h"

#include <QFile>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoSizeField = kFileHeaderBytes; // biSize opens the info header
constexpr std::uint32_t kInfoHeaderBytes = 40;           // BITMAPINFOHEADER
constexpr std::uint32_t kInfoHeaderV4Bytes = 108;        // BITMAPV4HEADER
constexpr std::uint32_t kInfoHeaderV5Bytes = 124;        // BITMAPV5HEADER
constexpr std::uint32_t kCompressionNone = 0;            // BI_RGB
constexpr std::int64_t kPaletteEntryBytes = 4;           // blue, green, red, reserved
constexpr std::int64_t kMaxPaletteColours = 256;

// Headers, palette and any gap a writer leaves before the pixels all lie
// within this many bytes from the start of a file.
constexpr std::int64_t kMaxPixelOffset = 64 * 1024;

// Every buffer size must fit a signed 32-bit size.
constexpr std::int64_t kMaxBufferBytes = std::numeric_limits<std::int32_t>::max();

constexpr std::int64_t kReadChunkBytes = 64 * 1024;

// Little-endian field readers; callers have checked that the field lies
// within the file.
std::uint16_t U16(std::span<const std::uint8_t> file, std::size_t at)
{
    return static_cast<std::uint16_t>(file[at] | file[at + 1] << 8);
}

std::uint32_t U32(std::span<const std::uint8_t> file, std::size_t at)
{
    return static_cast<std::uint32_t>(file[at]) | static_cast<std::uint32_t>(file[at + 1]) << 8 |
           static_cast<std::uint32_t>(file[at + 2]) << 16 | static_cast<std::uint32_t>(file[at + 3]) << 24;
}

std::int32_t I32(std::span<const std::uint8_t> file, std::size_t at)
{
    return static_cast<std::int32_t>(U32(file, at));
}

// Where the parts of a well-formed bitmap lie and how its rows are stored.
struct Layout {
    int width = 0;
    int height = 0; // rows, always positive
    bool topDown = false;
    int bytesPerPixel = 0;
    std::int64_t sourceStride = 0;
    std::int64_t colourCount = 0;
    std::span<const std::uint8_t> palette;
    std::span<const std::uint8_t> pixels;
};

bool IsKnownInfoHeader(std::uint32_t size)
{
    return size == kInfoHeaderBytes || size == kInfoHeaderV4Bytes || size == kInfoHeaderV5Bytes;
}

// True when `stride` bytes times `rows` rows fits kMaxBufferBytes.
bool FitsBuffer(std::int64_t stride, std::int64_t rows)
{
    return stride <= kMaxBufferBytes / rows;
}

std::optional<Layout> ParseLayout(std::span<const std::uint8_t> file, int maxSide)
{
    if (file.size() < kInfoSizeField + 4 || file[0] != 'B' || file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t infoSize = U32(file, kInfoSizeField);
    if (!IsKnownInfoHeader(infoSize) || file.size() < kFileHeaderBytes + infoSize) {
        return std::nullopt;
    }

    const std::int64_t pixelOffset = U32(file, 10);
    const std::int32_t width = I32(file, 18);
    const std::int32_t signedHeight = I32(file, 22);
    const std::uint16_t planes = U16(file, 26);
    const std::uint16_t bitsPerPixel = U16(file, 28);
    const std::uint32_t compression = U32(file, 30);
    const std::uint32_t coloursUsed = U32(file, 46);

    if (width <= 0 || signedHeight == 0 || signedHeight == std::numeric_limits<std::int32_t>::min() ||
        planes != 1 || compression != kCompressionNone || (bitsPerPixel != 8 && bitsPerPixel != 24)) {
        return std::nullopt;
    }
    const std::int32_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width > maxSide || height > maxSide || !FitsBuffer(TextureRowStride(width), height)) {
        return std::nullopt;
    }

    Layout layout;
    layout.width = width;
    layout.height = height;
    layout.topDown = signedHeight < 0;
    layout.bytesPerPixel = bitsPerPixel / 8;
    // No wider than the decoded rows, so the source pixels fit a 32-bit size too.
    layout.sourceStride = (std::int64_t{width} * layout.bytesPerPixel + 3) / 4 * 4;

    // An 8-bit file has a palette right after the info header; a count of 0
    // means all 256 colours.
    if (bitsPerPixel == 8) {
        layout.colourCount = coloursUsed == 0 ? kMaxPaletteColours : std::int64_t{coloursUsed};
        if (layout.colourCount > kMaxPaletteColours) {
            return std::nullopt;
        }
    }
    const std::int64_t paletteStart = kFileHeaderBytes + infoSize;
    const std::int64_t paletteEnd = paletteStart + layout.colourCount * kPaletteEntryBytes;
    const std::int64_t pixelEnd = pixelOffset + layout.sourceStride * height;
    if (pixelOffset < paletteEnd || pixelOffset > kMaxPixelOffset ||
        pixelEnd > static_cast<std::int64_t>(file.size())) {
        return std::nullopt;
    }
    layout.palette = file.subspan(static_cast<std::size_t>(paletteStart),
                                  static_cast<std::size_t>(paletteEnd - paletteStart));
    layout.pixels = file.subspan(static_cast<std::size_t>(pixelOffset),
                                 static_cast<std::size_t>(pixelEnd - pixelOffset));
    return layout;
}

// Expands one row of palette indices to blue, green, red; false when an
// index lies beyond the palette.
bool ExpandIndexedRow(const Layout& layout, const std::uint8_t* indices, std::uint8_t* out)
{
    for (int x = 0; x < layout.width; ++x) {
        const std::int64_t index = indices[x];
        if (index >= layout.colourCount) {
            return false;
        }
        std::memcpy(out + std::ptrdiff_t{x} * 3, layout.palette.data() + index * kPaletteEntryBytes, 3);
    }
    return true;
}

} // namespace

std::int64_t TextureRowStride(int width)
{
    return (std::int64_t{width} * 3 + 3) / 4 * 4;
}

std::optional<TextureBitmap> DecodeBitmap(std::span<const std::uint8_t> file, int maxSide)
{
    const std::optional<Layout> layout = ParseLayout(file, maxSide);
    if (!layout) {
        return std::nullopt;
    }

    const std::int64_t stride = TextureRowStride(layout->width);
    TextureBitmap bitmap{layout->width, layout->height,
                         std::vector<std::uint8_t>(static_cast<std::size_t>(stride * layout->height))};
    for (int row = 0; row < layout->height; ++row) {
        // Row 0 of the result is the bottom row of the image.
        const int sourceRow = layout->topDown ? layout->height - 1 - row : row;
        const std::uint8_t* source = layout->pixels.data() + sourceRow * layout->sourceStride;
        std::uint8_t* target = bitmap.pixels.data() + row * stride;
        if (layout->bytesPerPixel == 3) {
            std::memcpy(target, source, static_cast<std::size_t>(layout->width) * 3);
        } else if (!ExpandIndexedRow(*layout, source, target)) {
            return std::nullopt;
        }
    }
    return bitmap;
}

std::int64_t MaxBitmapFileBytes(int maxSide)
{
    const std::int64_t side = std::max(maxSide, 0);
    const std::int64_t stride = TextureRowStride(maxSide);
    const std::int64_t pixelBytes = side == 0 || FitsBuffer(stride, side) ? stride * side : kMaxBufferBytes;
    return kMaxPixelOffset + pixelBytes;
}

std::optional<TextureBitmap> ReadBitmapFile(const QString& path, int maxSide)
{
    QFile file(path);
    const std::int64_t cap = MaxBitmapFileBytes(maxSide);
    if (!file.open(QIODevice::ReadOnly) || file.size() > cap) {
        return std::nullopt;
    }

    // Reads in chunks up to one byte past the cap, so a file whose size was
    // not known up front is refused as soon as it proves too large.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(file.size() + kReadChunkBytes));
    for (;;) {
        const std::int64_t room = cap + 1 - static_cast<std::int64_t>(bytes.size());
        if (room <= 0) {
            return std::nullopt;
        }
        const std::size_t filled = bytes.size();
        const std::int64_t wanted = std::min(room, kReadChunkBytes);
        bytes.resize(filled + static_cast<std::size_t>(wanted));
        const qint64 got = file.read(reinterpret_cast<char*>(bytes.data() + filled), wanted);
        if (got < 0) {
            return std::nullopt;
        }
        bytes.resize(filled + static_cast<std::size_t>(got));
        if (got == 0) {
            break;
        }
    }
    return DecodeBitmap(bytes, maxSide);
}
