#include "image_textures.h"

#include "image_output.h"
#include "image_source.h"
#include "image_sun_surface.h"

#include <QList>
#include <QRgb>
#include <QSize>

#include <array>
#include <cstring>

namespace ImageGen {
namespace {

enum class Depth { Grey8, Rgb24 };

struct Texture {
    const char* output;
    const char* source;
    QSize size;
    Depth depth;
};

constexpr std::array<Texture, 26> Textures{{
    {"Flare.bmp", "sun.jpg", {64, 64}, Depth::Grey8},
    {"Mercury.bmp", "mercury.jpg", {256, 128}, Depth::Rgb24},
    {"Venus2.bmp", "venus.jpg", {256, 128}, Depth::Rgb24},
    {"Earth.bmp", "earth.jpg", {256, 256}, Depth::Rgb24},
    {"Moon.bmp", "moon.jpg", {256, 128}, Depth::Grey8},
    {"Cloud.bmp", "clouds.jpg", {256, 256}, Depth::Grey8},
    {"Mhalo.bmp", "flare4.jpg", {128, 128}, Depth::Grey8},
    {"Mars.bmp", "mars.jpg", {256, 128}, Depth::Rgb24},
    {"Jupiter.bmp", "jupiter.jpg", {256, 128}, Depth::Rgb24},
    {"Saturnus.bmp", "saturn.jpg", {256, 128}, Depth::Rgb24},
    {"Uranus.bmp", "uranus.jpg", {256, 128}, Depth::Rgb24},
    {"Neptunus.bmp", "neptune.jpg", {256, 128}, Depth::Rgb24},
    {"Pluto.bmp", "pluto.jpg", {256, 128}, Depth::Rgb24},
    // The planets' moons that have a map.
    {"Io.bmp", "io.jpg", {128, 64}, Depth::Rgb24},
    {"Europa.bmp", "europa.jpg", {128, 64}, Depth::Rgb24},
    {"Ganymede.bmp", "ganymede.jpg", {128, 64}, Depth::Rgb24},
    {"Callisto.bmp", "callisto.jpg", {128, 64}, Depth::Rgb24},
    {"Tethys.bmp", "tethys.jpg", {128, 64}, Depth::Rgb24},
    {"Dione.bmp", "dione.jpg", {128, 64}, Depth::Rgb24},
    {"Rhea.bmp", "rhea.jpg", {128, 64}, Depth::Rgb24},
    {"Titan.bmp", "titan.jpg", {128, 64}, Depth::Rgb24},
    {"Hyperion.bmp", "hyperion.jpg", {128, 64}, Depth::Rgb24},
    {"Phobos.bmp", "phobos.jpg", {128, 64}, Depth::Rgb24},
    {"Deimos.bmp", "deimos.jpg", {128, 64}, Depth::Rgb24},
    {"Triton.bmp", "triton.jpg", {128, 64}, Depth::Rgb24},
    {"Charon.bmp", "charon.jpg", {128, 64}, Depth::Rgb24},
}};

// The Sun's surface is drawn rather than read: about 40 cells around its
// equator read as granulation at this size.
constexpr QSize SunSize{256, 128};
constexpr double SunCellsPerRadius = 6.5;

// An 8-bit image whose palette is the 256-level grey ramp, index = grey level.
QImage GreyIndexed(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QImage indexed(grey.size(), QImage::Format_Indexed8);
    QList<QRgb> ramp;
    ramp.reserve(256);
    for (int level = 0; level < 256; ++level) {
        ramp.append(qRgb(level, level, level));
    }
    indexed.setColorTable(ramp);
    for (int y = 0; y < grey.height(); ++y) {
        std::memcpy(indexed.scanLine(y), grey.constScanLine(y), static_cast<size_t>(grey.width()));
    }
    return indexed;
}

QImage Convert(const Texture& texture)
{
    const QImage scaled = LoadSourceTexture(QString::fromLatin1(texture.source))
                              .scaled(texture.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return texture.depth == Depth::Grey8 ? GreyIndexed(scaled) : scaled;
}

} // namespace

void WriteTextures(const QDir& folder)
{
    for (const Texture& texture : Textures) {
        WriteBmp(folder.filePath(QString::fromLatin1(texture.output)), Convert(texture));
    }
    WriteBmp(folder.filePath(QStringLiteral("Sun.bmp")), SunSurfaceMap(SunSize, SunCellsPerRadius));
}

} // namespace ImageGen
