// Writes the bitmap decoder's fuzzing seeds into a folder: the valid sample
// bitmaps, and a few broken files made from them.

#include "bitmap_samples.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

void WriteSeed(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: write_fuzz_seeds <folder>\n", stderr);
        return 1;
    }
    const std::filesystem::path folder(argv[1]);
    std::filesystem::create_directories(folder);
    int index = 0;
    for (const std::vector<std::uint8_t>& seed : FuzzSeeds()) {
        WriteSeed(folder / ("valid-" + std::to_string(index)), seed);
        WriteSeed(folder / ("truncated-" + std::to_string(index)),
                  {seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(seed.size() / 2)});
        ++index;
    }
    WriteSeed(folder / "png-signature", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    return 0;
}
