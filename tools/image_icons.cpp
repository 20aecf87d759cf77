#include "image_icons.h"

#include "image_output.h"
#include "image_raster.h"
#include "image_source.h"
#include "image_sphere.h"

#include <QRadialGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace ImageGen {
namespace {

constexpr int ArrowSize = 32;

// A thick white arrow pointing up on a green rounded square with a white edge.
QImage UpArrow()
{
    QImage image(ArrowSize, ArrowSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A centred gradient looks the same turned, so the four arrows differ
    // only in direction.
    QRadialGradient green(ArrowSize / 2.0, ArrowSize / 2.0, ArrowSize / 2.0);
    green.setColorAt(0.0, QColor(70, 175, 60));
    green.setColorAt(1.0, QColor(30, 125, 35));
    painter.setPen(QPen(Qt::white, 2.0));
    painter.setBrush(green);
    painter.drawRoundedRect(QRectF(1, 1, ArrowSize - 2, ArrowSize - 2), 6, 6);

    const QPolygonF arrow{{16.0, 5.0},  {26.5, 16.0}, {20.5, 16.0}, {20.5, 26.5},
                          {11.5, 26.5}, {11.5, 16.0}, {5.5, 16.0}};
    painter.setPen(QPen(Qt::white, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    return image;
}

void WriteArrows(const QDir& folder)
{
    struct Direction {
        const char* name;
        int degrees; // clockwise from up
    };
    constexpr std::array<Direction, 4> Directions{
        {{"up", 0}, {"right", 90}, {"down", 180}, {"left", 270}}};
    const QImage up = UpArrow();
    for (const Direction& direction : Directions) {
        WritePng(folder.filePath(QStringLiteral("arrow-%1.png").arg(QLatin1String(direction.name))),
                 up.transformed(QTransform().rotate(direction.degrees)));
    }
}

// How much a colour of the Earth's map looks like land: the seas are one flat
// dark blue, and the white polar ice is better shown as sea on a small icon.
double Landness(const Rgba& colour)
{
    const Rgba sea = OpaqueColour(qRgb(46, 58, 70));
    const double distance = std::hypot(colour.r - sea.r, colour.g - sea.g, colour.b - sea.b);
    const double brightness = (colour.r + colour.g + colour.b) / 3.0;
    const double land = std::clamp((distance - 0.06) / 0.08, 0.0, 1.0);
    const double ice = std::clamp((brightness - 0.55) / 0.15, 0.0, 1.0);
    return land * (1.0 - ice);
}

// A globe turned to the Americas: blue sea, green land, a black outline and
// transparency outside the disc, lit from the upper left.
QImage Globe(int size, const QImage& earth)
{
    constexpr double Degree = std::numbers::pi / 180.0;
    const SphereView view{{-80.0 * Degree, 12.0 * Degree}};
    const double radius = size / 2.0 - 0.25;
    // The outline keeps about the same share of the disc at the theme's
    // larger sizes.
    const double outline = size >= 32 ? std::max(1.4, size / 32.0) : 1.0;
    const QImage map = MapForRadius(earth, 2.0 * radius);
    const Rgba sea = OpaqueColour(qRgb(32, 112, 224));
    const Rgba land = OpaqueColour(qRgb(56, 170, 48));
    const Rgba edge = OpaqueColour(qRgb(0, 0, 0));
    const Vec3 light = Normalised({-0.45, 0.55, 0.7});

    return Rasterise({size, size}, 4, [&](double x, double y) -> Rgba {
        const double dx = (x - size / 2.0) / radius;
        const double dy = (size / 2.0 - y) / radius;
        const std::optional<Vec3> point = SpherePointAt(dx, dy);
        if (!point) {
            return {};
        }
        if (std::hypot(dx, dy) > 1.0 - outline / radius) {
            return edge;
        }
        const double landness = Landness(SampleMap(map, GeoPointOf(view, *point)));
        return Lit(Mix(sea, land, landness), 0.7 + 0.4 * std::max(0.0, Dot(*point, light)));
    });
}

void WriteGlobes(const QDir& folder)
{
    const QImage earth = LoadSourceTexture(QStringLiteral("earth.jpg"));
    for (const int size : {256, 128, 64, 48, 32, 16}) {
        WritePng(folder.filePath(QStringLiteral("globe-%1.png").arg(size)), Globe(size, earth));
    }
}

} // namespace

void WriteIcons(const QDir& folder)
{
    WriteArrows(folder);
    WriteGlobes(folder);
}

} // namespace ImageGen
