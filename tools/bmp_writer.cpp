#include "bmp_writer.h"

#include <QtEndian>

#include <cstdint>

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr qsizetype kPaletteEntrySize = 4;

// Appends `value` in little-endian byte order, as every bitmap field is stored.
template <typename T>
void Append(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// Bytes per stored row: pixel bytes rounded up to a multiple of four.
qsizetype RowStride(int width, int bytesPerPixel)
{
    return (qsizetype{width} * bytesPerPixel + 3) / 4 * 4;
}

void AppendHeaders(QByteArray& out, const QImage& image, int bitsPerPixel, qsizetype colourCount,
                   qsizetype pixelBytes)
{
    const qsizetype offBits = kFileHeaderSize + kInfoHeaderSize + colourCount * kPaletteEntrySize;

    // BITMAPFILEHEADER
    out.append("BM", 2);
    Append<std::uint32_t>(out, static_cast<std::uint32_t>(offBits + pixelBytes));
    Append<std::uint16_t>(out, 0);
    Append<std::uint16_t>(out, 0);
    Append<std::uint32_t>(out, static_cast<std::uint32_t>(offBits));

    // BITMAPINFOHEADER; a positive height means the rows are stored bottom-up.
    Append<std::uint32_t>(out, static_cast<std::uint32_t>(kInfoHeaderSize));
    Append<std::int32_t>(out, image.width());
    Append<std::int32_t>(out, image.height());
    Append<std::uint16_t>(out, 1);
    Append<std::uint16_t>(out, static_cast<std::uint16_t>(bitsPerPixel));
    Append<std::uint32_t>(out, 0); // BI_RGB: uncompressed
    Append<std::uint32_t>(out, static_cast<std::uint32_t>(pixelBytes));
    Append<std::int32_t>(out, image.dotsPerMeterX());
    Append<std::int32_t>(out, image.dotsPerMeterY());
    Append<std::uint32_t>(out, static_cast<std::uint32_t>(colourCount));
    Append<std::uint32_t>(out, 0); // every colour is important
}

QByteArray EncodeIndexed(const QImage& image)
{
    const QList<QRgb> palette = image.colorTable();
    const qsizetype stride = RowStride(image.width(), 1);
    const qsizetype pixelBytes = stride * image.height();

    QByteArray out;
    AppendHeaders(out, image, 8, palette.size(), pixelBytes);
    for (const QRgb colour : palette) {
        const std::uint8_t entry[kPaletteEntrySize] = {
            static_cast<std::uint8_t>(qBlue(colour)), static_cast<std::uint8_t>(qGreen(colour)),
            static_cast<std::uint8_t>(qRed(colour)), 0};
        out.append(reinterpret_cast<const char*>(entry), kPaletteEntrySize);
    }

    // The indices are copied as they are, so a caller may store indices the
    // palette does not cover.
    const QByteArray padding(stride - image.width(), '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
        out.append(padding);
    }
    return out;
}

QByteArray EncodeTrueColour(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const qsizetype stride = RowStride(image.width(), 3);
    const qsizetype pixelBytes = stride * image.height();

    QByteArray out;
    AppendHeaders(out, image, 24, 0, pixelBytes);

    QByteArray row(stride, '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        const uchar* rgb = image.constScanLine(y);
        for (qsizetype x = 0; x < image.width(); ++x) {
            row[x * 3 + 0] = static_cast<char>(rgb[x * 3 + 2]);
            row[x * 3 + 1] = static_cast<char>(rgb[x * 3 + 1]);
            row[x * 3 + 2] = static_cast<char>(rgb[x * 3 + 0]);
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray EncodeBmp(const QImage& image)
{
    if (image.isNull()) {
        return {};
    }
    return image.format() == QImage::Format_Indexed8 ? EncodeIndexed(image) : EncodeTrueColour(image);
}
