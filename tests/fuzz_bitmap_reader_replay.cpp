// Runs the bitmap decoder's fuzz entry over deterministic mutations of valid
// bitmaps, so every build exercises it without libFuzzer.

#include "bitmap_reader.h"
#include "bitmap_samples.h"
#include "bmp_writer.h"

#include <QtEndian>
#include <QtTest>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kMutationsPerSeed = 150000;
constexpr std::size_t kHeadersEnd = 54;

// Offsets of the 32-bit and 16-bit header fields.
constexpr std::size_t kWordFields[] = {2, 10, 14, 18, 22, 30, 34, 38, 42, 46, 50};
constexpr std::size_t kShortFields[] = {26, 28};

constexpr std::int64_t kFieldValues[] = {0, 1, 2, 3, 4, 8, 12, 16, 24, 32, 40, 54, 108, 124, 255, 256, 257, 4096,
                                         16384, 16385, 65535, 65536, -1, -2, -3, -4, -16384,
                                         std::numeric_limits<std::int32_t>::max(),
                                         std::numeric_limits<std::int32_t>::min()};

void Run(const std::vector<std::uint8_t>& input)
{
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

// One to four random byte changes, header bytes as likely as all others
// together; sometimes cut short or lengthened.
std::vector<std::uint8_t> Mutated(std::vector<std::uint8_t> file, std::mt19937& random)
{
    std::uniform_int_distribution<int> byte(0, 255);
    const int changes = std::uniform_int_distribution<int>(1, 4)(random);
    for (int i = 0; i < changes; ++i) {
        const std::size_t end = random() % 2 == 0 ? kHeadersEnd : file.size();
        file[std::uniform_int_distribution<std::size_t>(0, end - 1)(random)] = static_cast<std::uint8_t>(byte(random));
    }
    switch (random() % 8) {
    case 0:
        file.resize(std::uniform_int_distribution<std::size_t>(0, file.size())(random));
        break;
    case 1:
        file.resize(file.size() + std::uniform_int_distribution<std::size_t>(1, 64)(random),
                    static_cast<std::uint8_t>(byte(random)));
        break;
    default:
        break;
    }
    return file;
}

} // namespace

class FuzzBitmapReaderReplay : public QObject {
    Q_OBJECT

private slots:
    void decodesTheFuzzSeeds()
    {
        for (const std::vector<std::uint8_t>& seed : FuzzSeeds()) {
            QVERIFY(DecodeBitmap(seed, 16384));
            Run(seed);
        }
    }

    void refusesEveryTruncation()
    {
        for (const std::vector<std::uint8_t>& seed : FuzzSeeds()) {
            for (std::size_t length = 0; length < seed.size(); ++length) {
                const std::vector<std::uint8_t> prefix(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(length));
                Run(prefix);
                QVERIFY2(!DecodeBitmap(prefix, 16384), qPrintable(QString::number(length)));
            }
        }
    }

    void survivesHeaderFieldValues()
    {
        for (const std::vector<std::uint8_t>& seed : FuzzSeeds()) {
            for (const std::int64_t value : kFieldValues) {
                for (const std::size_t at : kWordFields) {
                    std::vector<std::uint8_t> file = seed;
                    qToLittleEndian(static_cast<std::uint32_t>(value), file.data() + at);
                    Run(file);
                }
                for (const std::size_t at : kShortFields) {
                    std::vector<std::uint8_t> file = seed;
                    qToLittleEndian(static_cast<std::uint16_t>(value), file.data() + at);
                    Run(file);
                }
            }
            for (std::size_t at = 0; at < seed.size(); ++at) {
                for (const std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
                    std::vector<std::uint8_t> file = seed;
                    file[at] = value;
                    Run(file);
                }
            }
        }
    }

    void survivesRandomMutations()
    {
        std::mt19937 random(20240607);
        for (const std::vector<std::uint8_t>& seed : FuzzSeeds()) {
            for (int i = 0; i < kMutationsPerSeed; ++i) {
                Run(Mutated(seed, random));
            }
        }
    }
};

QTEST_GUILESS_MAIN(FuzzBitmapReaderReplay)
#include "fuzz_bitmap_reader_replay.moc"
