// libFuzzer entry for the bitmap decoder. Besides crashes and sanitizer
// reports it treats a decoded image that contradicts its own size as a fault.

#include "bitmap_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The largest texture side common OpenGL drivers report.
    constexpr int kMaxSide = 16384;
    const std::optional<TextureBitmap> bitmap = DecodeBitmap({data, size}, kMaxSide);
    if (bitmap && (bitmap->width <= 0 || bitmap->height <= 0 || bitmap->width > kMaxSide ||
                   bitmap->height > kMaxSide ||
                   static_cast<std::int64_t>(bitmap->pixels.size()) !=
                       TextureRowStride(bitmap->width) * bitmap->height)) {
        std::abort();
    }
    return 0;
}
