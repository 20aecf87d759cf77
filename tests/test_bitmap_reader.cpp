#include "bitmap_reader.h"
#include "bitmap_samples.h"
#include "bmp_writer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <array>
#include <limits>

namespace {

// Field offsets of the file and info headers.
constexpr int kOffBits = 10;
constexpr int kInfoSize = 14;
constexpr int kWidth = 18;
constexpr int kHeight = 22;
constexpr int kPlanes = 26;
constexpr int kBitCount = 28;
constexpr int kCompression = 30;
constexpr int kClrUsed = 46;
constexpr int kHeadersEnd = 54;

constexpr int kMaxSide = 4096;

template <typename T>
void Put(QByteArray& file, int at, T value)
{
    qToLittleEndian(value, file.data() + at);
}

template <typename T>
QByteArray Patched(QByteArray file, int at, T value)
{
    Put(file, at, value);
    return file;
}

template <typename T>
T Get(const QByteArray& file, int at)
{
    return qFromLittleEndian<T>(file.constData() + at);
}

std::optional<TextureBitmap> Decode(const QByteArray& file, int maxSide = kMaxSide)
{
    return DecodeBitmap(ToBytes(file), maxSide);
}

int Stride(int width)
{
    return (width * 3 + 3) / 4 * 4;
}

// The three decoded bytes of the image pixel at column x, row y counted from
// the top as QImage counts.
std::array<std::uint8_t, 3> BgrAt(const TextureBitmap& bitmap, int x, int y)
{
    const std::size_t at = static_cast<std::size_t>((bitmap.height - 1 - y) * Stride(bitmap.width) + x * 3);
    return {bitmap.pixels.at(at), bitmap.pixels.at(at + 1), bitmap.pixels.at(at + 2)};
}

std::array<std::uint8_t, 3> Bgr(QRgb colour)
{
    return {static_cast<std::uint8_t>(qBlue(colour)), static_cast<std::uint8_t>(qGreen(colour)),
            static_cast<std::uint8_t>(qRed(colour))};
}

// Checks the decoded bitmap against every pixel of `image` and checks that
// each row's padding is zero.
void VerifyMatches(const TextureBitmap& bitmap, const QImage& image)
{
    QCOMPARE(bitmap.width, image.width());
    QCOMPARE(bitmap.height, image.height());
    QCOMPARE(bitmap.pixels.size(), static_cast<std::size_t>(Stride(image.width()) * image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (BgrAt(bitmap, x, y) != Bgr(image.pixel(x, y))) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
            }
        }
    }
    for (int row = 0; row < image.height(); ++row) {
        for (int at = image.width() * 3; at < Stride(image.width()); ++at) {
            QCOMPARE(bitmap.pixels.at(static_cast<std::size_t>(row * Stride(image.width()) + at)), 0);
        }
    }
}

// The same bitmap stored top-down: negative height, rows in reverse order.
QByteArray TopDown(const QByteArray& file)
{
    const int offBits = Get<std::int32_t>(file, kOffBits);
    const int height = Get<std::int32_t>(file, kHeight);
    const int stride = static_cast<int>((file.size() - offBits) / height);
    QByteArray flipped = file.left(offBits);
    for (int row = height - 1; row >= 0; --row) {
        flipped.append(file.mid(offBits + row * stride, stride));
    }
    Put<std::int32_t>(flipped, kHeight, -height);
    return flipped;
}

// The same bitmap with an info header of `infoSize` bytes, the extra fields
// zero as an uncompressed file leaves them.
QByteArray WithInfoHeaderSize(const QByteArray& file, std::uint32_t infoSize)
{
    const int extra = static_cast<int>(infoSize) - 40;
    QByteArray larger = file.left(kHeadersEnd) + QByteArray(extra, '\0') + file.mid(kHeadersEnd);
    Put<std::uint32_t>(larger, kInfoSize, infoSize);
    Put<std::uint32_t>(larger, kOffBits, Get<std::uint32_t>(file, kOffBits) + static_cast<std::uint32_t>(extra));
    return larger;
}

QByteArray PngBytes()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    SampleTrueColourImage(4, 4).save(&buffer, "PNG");
    return png;
}

QByteArray IndexedWithIndexBeyondPalette()
{
    QImage image = SampleIndexedImage(4, 4, 4);
    image.scanLine(2)[3] = 4;
    return EncodeBmp(image);
}

// Enough trailing bytes that a depth change cannot make the pixels short.
QByteArray WithSlack(QByteArray file)
{
    return file.append(QByteArray(4096, '\0'));
}

bool WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

class BitmapReaderTest : public QObject {
    Q_OBJECT

private slots:
    // Files written by hand from the format's definition, not by the
    // project's encoder: little-endian fields, a 14-byte file header, a
    // 40-byte info header, (for 8 bits) the palette as blue, green, red,
    // 0, then rows padded to 4 bytes, bottom row first unless the height is
    // negative. The picture, top row first: 24-bit (R,G,B) (11,22,33)
    // (44,55,66) over (77,88,99) (AA,BB,CC); 8-bit indexes 2 0 over 1 2.
    void decodesHandWrittenFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected"); // bottom row first, BGR, padded
        const auto bytes = [](std::initializer_list<int> values) {
            QByteArray array;
            for (int value : values) {
                array.append(static_cast<char>(value));
            }
            return array;
        };
        const QByteArray trueColourHeaders = bytes({
            'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // file size 70, pixels at 54
            40, 0, 0, 0, 2, 0, 0, 0,                        // info size 40, width 2
        });
        const QByteArray trueColourRest = bytes({
            1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0,           // 1 plane, 24 bits, uncompressed, 16 bytes
            0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        });
        const QByteArray bottomRow24 = bytes({0x99, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0, 0});
        const QByteArray topRow24 = bytes({0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0});
        const QByteArray up = bytes({2, 0, 0, 0});
        const QByteArray down = bytes({0xFE, 0xFF, 0xFF, 0xFF}); // height -2
        QTest::newRow("24-bit bottom-up") << trueColourHeaders + up + trueColourRest + bottomRow24 + topRow24
                                          << bottomRow24 + topRow24;
        QTest::newRow("24-bit top-down") << trueColourHeaders + down + trueColourRest + topRow24 + bottomRow24
                                         << bottomRow24 + topRow24;

        const QByteArray paletteHeaders = bytes({
            'B', 'M', 74, 0, 0, 0, 0, 0, 0, 0, 66, 0, 0, 0, // file size 74, pixels at 66
            40, 0, 0, 0, 2, 0, 0, 0,
        });
        const QByteArray paletteRest = bytes({
            1, 0, 8, 0, 0, 0, 0, 0, 8, 0, 0, 0,             // 1 plane, 8 bits, uncompressed, 8 bytes
            0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, // 3 colours
            0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0, 0x99, 0x88, 0x77, 0,
        });
        const QByteArray bottomRow8 = bytes({1, 2, 0, 0});
        const QByteArray topRow8 = bytes({2, 0, 0, 0});
        const QByteArray expected8 = bytes({0x66, 0x55, 0x44, 0x99, 0x88, 0x77, 0, 0, //
                                            0x99, 0x88, 0x77, 0x33, 0x22, 0x11, 0, 0});
        QTest::newRow("8-bit bottom-up") << paletteHeaders + up + paletteRest + bottomRow8 + topRow8 << expected8;
        QTest::newRow("8-bit top-down") << paletteHeaders + down + paletteRest + topRow8 + bottomRow8 << expected8;
    }

    void decodesHandWrittenFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        const std::optional<TextureBitmap> bitmap = Decode(file);
        QVERIFY(bitmap);
        QCOMPARE(bitmap->width, 2);
        QCOMPARE(bitmap->height, 2);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(bitmap->pixels.data()), qsizetype(bitmap->pixels.size())),
                 expected);
    }

    void decodesTrueColourFile()
    {
        const QImage image = SampleTrueColourImage(256, 128);
        const std::optional<TextureBitmap> bitmap = Decode(EncodeBmp(image));
        QVERIFY(bitmap);
        QCOMPARE(bitmap->pixels.size(), std::size_t{98304});
        QCOMPARE(Stride(bitmap->width), 768);
        VerifyMatches(*bitmap, image);
        // The first bytes hold the bottom-left pixel, blue first.
        const QRgb bottomLeft = image.pixel(0, 127);
        QCOMPARE(bitmap->pixels[0], qBlue(bottomLeft));
        QCOMPARE(bitmap->pixels[1], qGreen(bottomLeft));
        QCOMPARE(bitmap->pixels[2], qRed(bottomLeft));
    }

    // Every pixel decoded, each row padded with zeros: files of both depths,
    // of odd widths, stored top-down, with a short palette or one whose
    // colour count is 0 (all 256), and with the larger info headers.
    void decodesEveryPixel_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QImage>("image");
        const auto add = [](const char* name, const QImage& image, const QByteArray& file) {
            QTest::newRow(name) << file << image;
        };
        const auto encoded = [&add](const char* name, const QImage& image) { add(name, image, EncodeBmp(image)); };
        encoded("palette of 256", SampleIndexedImage(64, 64, 256));
        encoded("short palette", SampleIndexedImage(5, 3, 2));
        const QImage full = SampleIndexedImage(16, 16, 256);
        add("zero colour count", full, Patched<std::uint32_t>(EncodeBmp(full), kClrUsed, 0));
        for (const int width : {1, 2, 3, 5, 7}) {
            const QImage trueColour = SampleTrueColourImage(width, 2);
            const QImage indexed = SampleIndexedImage(width, 3, 16);
            QTest::addRow("24-bit %d x 2", width) << EncodeBmp(trueColour) << trueColour;
            QTest::addRow("8-bit %d x 3", width) << EncodeBmp(indexed) << indexed;
        }
        const QImage trueColour = SampleTrueColourImage(5, 4);
        const QImage indexed = SampleIndexedImage(6, 3, 7);
        add("24-bit top-down", trueColour, TopDown(EncodeBmp(trueColour)));
        add("8-bit top-down", indexed, TopDown(EncodeBmp(indexed)));
        const QImage indexedV5 = SampleIndexedImage(5, 4, 9);
        add("V4 24-bit", trueColour, WithInfoHeaderSize(EncodeBmp(trueColour), 108));
        add("V5 8-bit", indexedV5, WithInfoHeaderSize(EncodeBmp(indexedV5), 124));
    }

    void decodesEveryPixel()
    {
        QFETCH(QByteArray, file);
        QFETCH(QImage, image);
        const std::optional<TextureBitmap> bitmap = Decode(file);
        QVERIFY(bitmap);
        VerifyMatches(*bitmap, image);
    }

    void rowsArePaddedToFourBytes()
    {
        const auto bytes = [](const QImage& image) { return Decode(EncodeBmp(image)).value_or(TextureBitmap{}).pixels.size(); };
        QCOMPARE(bytes(SampleIndexedImage(64, 64, 256)), std::size_t{12288});
        QCOMPARE(bytes(SampleTrueColourImage(3, 2)), std::size_t{24});
    }

    void limitsSidesToMaxSide()
    {
        QVERIFY(Decode(EncodeBmp(SampleTrueColourImage(64, 32)), 64));
        QVERIFY(Decode(EncodeBmp(SampleTrueColourImage(32, 64)), 64));
        QVERIFY(!Decode(EncodeBmp(SampleTrueColourImage(64, 32)), 63));
        QVERIFY(!Decode(EncodeBmp(SampleTrueColourImage(32, 64)), 63));
        QVERIFY(!Decode(TopDown(EncodeBmp(SampleTrueColourImage(32, 64))), 63));
        QVERIFY(!Decode(EncodeBmp(SampleTrueColourImage(1, 1)), 0));
    }

    void refusesMalformedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("maxSide");
        const int anySide = std::numeric_limits<int>::max();
        const QByteArray trueColour = EncodeBmp(SampleTrueColourImage(4, 4));
        const QByteArray indexed = EncodeBmp(SampleIndexedImage(4, 4, 16));
        const int indexedPixels = Get<std::int32_t>(indexed, kOffBits);

        QTest::newRow("empty") << QByteArray() << kMaxSide;
        QTest::newRow("PNG") << PngBytes() << kMaxSide;
        QTest::newRow("wrong magic") << Patched<std::uint8_t>(trueColour, 1, 'A') << kMaxSide;
        QTest::newRow("headers cut short") << trueColour.left(40) << kMaxSide;
        QTest::newRow("pixels one byte short") << trueColour.chopped(1) << kMaxSide;
        QTest::newRow("8-bit pixels one byte short") << indexed.chopped(1) << kMaxSide;
        QTest::newRow("palette cut short") << indexed.left(kHeadersEnd + 10) << kMaxSide;
        QTest::newRow("palette longer than its room")
            << WithSlack(Patched<std::uint32_t>(indexed, kClrUsed, 17)) << kMaxSide;
        QTest::newRow("more than 256 colours")
            << WithSlack(Patched<std::uint32_t>(Patched<std::uint32_t>(indexed, kClrUsed, 257), kOffBits,
                                                kHeadersEnd + 257 * 4))
            << kMaxSide;
        QTest::newRow("palette index beyond colour count") << IndexedWithIndexBeyondPalette() << kMaxSide;
        QTest::newRow("pixels overlap palette")
            << Patched<std::uint32_t>(indexed, kOffBits, static_cast<std::uint32_t>(indexedPixels - 4)) << kMaxSide;
        QTest::newRow("pixels beyond the file")
            << Patched<std::uint32_t>(trueColour, kOffBits, 0xFFFFFFF0U) << kMaxSide;
        QTest::newRow("pixels far past the headers")
            << WithSlack(Patched<std::uint32_t>(trueColour, kOffBits, 1U << 20)) << kMaxSide;
        QTest::newRow("zero width") << Patched<std::int32_t>(trueColour, kWidth, 0) << kMaxSide;
        QTest::newRow("negative width") << WithSlack(Patched<std::int32_t>(trueColour, kWidth, -4)) << kMaxSide;
        QTest::newRow("zero height") << Patched<std::int32_t>(trueColour, kHeight, 0) << kMaxSide;
        QTest::newRow("lowest height")
            << Patched<std::int32_t>(trueColour, kHeight, std::numeric_limits<std::int32_t>::min()) << anySide;
        QTest::newRow("2 planes") << Patched<std::uint16_t>(trueColour, kPlanes, 2) << kMaxSide;
        QTest::newRow("0 planes") << Patched<std::uint16_t>(trueColour, kPlanes, 0) << kMaxSide;
        QTest::newRow("BI_RLE8") << Patched<std::uint32_t>(indexed, kCompression, 1) << kMaxSide;
        QTest::newRow("BI_BITFIELDS") << WithSlack(Patched<std::uint32_t>(trueColour, kCompression, 3)) << kMaxSide;
        for (const std::uint16_t bits : {1, 4, 16, 32}) {
            QTest::addRow("%d bits", bits) << WithSlack(Patched<std::uint16_t>(trueColour, kBitCount, bits))
                                           << kMaxSide;
        }
        QTest::newRow("core header") << Patched<std::uint32_t>(trueColour, kInfoSize, 12) << kMaxSide;
        QTest::newRow("unknown header size") << Patched<std::uint32_t>(trueColour, kInfoSize, 64) << kMaxSide;
        QTest::newRow("header larger than the file")
            << Patched<std::uint32_t>(trueColour.left(120), kInfoSize, 124) << kMaxSide;

        // Buffers that would not fit a signed 32-bit size, with no side limit.
        QByteArray huge = Patched<std::int32_t>(trueColour, kWidth, std::numeric_limits<std::int32_t>::max());
        QTest::newRow("huge width and height")
            << Patched<std::int32_t>(huge, kHeight, std::numeric_limits<std::int32_t>::max()) << anySide;
        QByteArray large = Patched<std::int32_t>(trueColour, kWidth, 30000);
        QTest::newRow("30000 x 30000") << Patched<std::int32_t>(large, kHeight, 30000) << anySide;
        QTest::newRow("30000 x -30000 8-bit")
            << Patched<std::int32_t>(Patched<std::int32_t>(indexed, kWidth, 30000), kHeight, -30000) << anySide;
    }

    void refusesMalformedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, maxSide);
        QVERIFY(!Decode(file, maxSide));
    }

    void readsFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QImage image = SampleIndexedImage(9, 5, 40);
        const QString path = dir.filePath(QStringLiteral("Moon.bmp"));
        QVERIFY(WriteFile(path, EncodeBmp(image)));
        const std::optional<TextureBitmap> bitmap = ReadBitmapFile(path, kMaxSide);
        QVERIFY(bitmap);
        VerifyMatches(*bitmap, image);
        QVERIFY(ReadBitmapFile(path, std::numeric_limits<int>::max()));
    }

    void refusesWhatIsNoBitmapFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString empty = dir.filePath(QStringLiteral("empty.bmp"));
        QVERIFY(WriteFile(empty, {}));
        const QString folder = dir.filePath(QStringLiteral("folder.bmp"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));

        QVERIFY(!ReadBitmapFile(empty, kMaxSide));
        QVERIFY(!ReadBitmapFile(folder, kMaxSide));
        QVERIFY(!ReadBitmapFile(dir.filePath(QStringLiteral("missing.bmp")), kMaxSide));
    }

    void refusesUnreadableFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("locked.bmp"));
        QVERIFY(WriteFile(path, EncodeBmp(SampleTrueColourImage(2, 2))));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile locked(path); locked.open(QIODevice::ReadOnly)) {
            QSKIP("file permissions do not bind this user");
        }
        QVERIFY(!ReadBitmapFile(path, kMaxSide));
    }

    void capsTheFileSize()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const int maxSide = 16;
        const QByteArray valid = EncodeBmp(SampleTrueColourImage(16, 16));
        const QString path = dir.filePath(QStringLiteral("padded.bmp"));
        QVERIFY(WriteFile(path, valid));

        // Trailing bytes up to the cap are tolerated; one more is refused.
        QFile file(path);
        QVERIFY(file.resize(MaxBitmapFileBytes(maxSide)));
        QVERIFY(ReadBitmapFile(path, maxSide));
        QVERIFY(file.resize(MaxBitmapFileBytes(maxSide) + 1));
        QVERIFY(!ReadBitmapFile(path, maxSide));

        // A sparse 10 GB file costs no disk space and must not be read.
        QVERIFY(file.resize(qint64{10} << 30));
        QVERIFY(!ReadBitmapFile(path, std::numeric_limits<int>::max()));
    }
};

QTEST_GUILESS_MAIN(BitmapReaderTest)
#include "test_bitmap_reader.moc"
