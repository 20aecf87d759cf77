#include "image_poster.h"

#include "image_output.h"
#include "image_raster.h"
#include "image_source.h"
#include "image_sphere.h"
#include "image_sun_surface.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace ImageGen {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

constexpr QSize PosterSize{777, 394};
constexpr double Horizon = 190;         // the row of planet centres
constexpr double LabelDistance = 120;   // from the horizon to the near edge of a label
constexpr double Margin = 14;

// The Sun is a huge disc mostly beyond the left edge.
constexpr double SunRadius = 640;
constexpr double SunVisibleWidth = 104;
constexpr double SunCellsPerRadius = 110;
constexpr double SunGlowWidth = 14;

// Light comes from the Sun on the left, a little from the front and above.
const Vec3 SunLight = Normalised({-0.88, 0.22, 0.42});
constexpr double Ambient = 0.03;

// Saturn's rings, in Saturn radii, and the angle they are seen at.
constexpr double RingInner = 1.24;
constexpr double RingOuter = 2.27;
constexpr double RingTilt = 24 * Degree;

const QColor LabelColour(255, 220, 40);

struct Planet {
    const char* name;
    const char* map;
    double radiusKm;
    double facingLongitude; // degrees, the meridian facing the viewer
    bool ringed;
};

constexpr std::array<Planet, 9> Planets{{
    {"Mercurio", "mercury.jpg", 2440, 0, false},
    {"Venere", "venus.jpg", 6052, 0, false},
    {"Terra", "earth.jpg", 6371, 10, false},
    {"Marte", "mars.jpg", 3390, -40, false},
    {"Giove", "jupiter.jpg", 69911, 0, false},
    {"Saturno", "saturn.jpg", 58232, 0, true},
    {"Urano", "uranus.jpg", 25362, 0, false},
    {"Nettuno", "neptune.jpg", 24622, 0, false},
    {"Plutone", "pluto.jpg", 1188, 0, false},
}};

// Radii grow slower than the real ones so that Pluto stays visible next to
// Jupiter.
double PixelRadius(double radiusKm)
{
    constexpr double Exponent = 0.45;
    constexpr double JupiterPixels = 46;
    return JupiterPixels * std::pow(radiusKm / 69911.0, Exponent);
}

// Half the width and height a planet covers, rings included, in pixels.
QSizeF HalfExtent(const Planet& planet)
{
    const double r = PixelRadius(planet.radiusKm);
    return planet.ringed ? QSizeF(r * RingOuter, r * std::max(1.0, RingOuter * std::sin(RingTilt)))
                         : QSizeF(r, r);
}

// Colour of the rings at each distance from their inner edge, averaged across
// the height of rings.jpg; brighter parts of the rings are more opaque.
class RingProfile {
public:
    RingProfile()
    {
        const QImage image = LoadSourceTexture(QStringLiteral("rings.jpg"));
        for (int x = 0; x < image.width(); ++x) {
            Rgba sum;
            for (int y = 0; y < image.height(); ++y) {
                const Rgba c = OpaqueColour(image.pixel(x, y));
                sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1.0};
            }
            const double n = image.height();
            const Rgba mean{sum.r / n, sum.g / n, sum.b / n, 1.0};
            const double luminance = 0.3 * mean.r + 0.59 * mean.g + 0.11 * mean.b;
            // Dimmed and tinted cream: the grey map alone looks like metal.
            const Rgba tinted{mean.r * 0.9, mean.g * 0.84, mean.b * 0.7, 1.0};
            m_colours.append(Faded(tinted, std::clamp(1.3 * luminance, 0.0, 1.0)));
        }
    }

    // `fraction` runs from 0 at the inner edge to 1 at the outer edge.
    Rgba At(double fraction) const
    {
        const double x = std::clamp(fraction, 0.0, 1.0) * (m_colours.size() - 1);
        const auto i = static_cast<qsizetype>(std::floor(x));
        const qsizetype j = std::min(i + 1, m_colours.size() - 1);
        return Mix(m_colours.at(i), m_colours.at(j), x - static_cast<double>(i));
    }

private:
    QList<Rgba> m_colours;
};

// What one ray of sight meets, and how near to the viewer.
struct Hit {
    Rgba colour;
    double depth = -std::numeric_limits<double>::infinity();
};

Hit PlanetHit(const QImage& map, const SphereView& view, double x, double y)
{
    const std::optional<Vec3> point = SpherePointAt(x, y);
    if (!point) {
        return {};
    }
    const double light = Ambient + (1.0 - Ambient) * std::max(0.0, Dot(*point, SunLight));
    return {Lit(SampleMap(map, GeoPointOf(view, *point)), light), point->z};
}

Hit RingHit(const RingProfile& rings, double x, double y)
{
    // The point of the ring plane seen at (x, y): the plane holds the x axis
    // and its far side is tipped up, away from the viewer.
    const Vec3 p{x, y, -y / std::tan(RingTilt)};
    const double distance = Length(p);
    if (distance < RingInner || distance > RingOuter) {
        return {};
    }
    // Parts of the ring whose path to the Sun crosses the planet lie in its shadow.
    const double towardSun = Dot(p, SunLight);
    const bool shadowed = towardSun < 0 && distance * distance - towardSun * towardSun < 1.0;
    const Rgba colour = rings.At((distance - RingInner) / (RingOuter - RingInner));
    return {Lit(colour, shadowed ? 0.12 : 1.0), p.z};
}

// A planet drawn into a picture just big enough for it, centred.
QImage PlanetImage(const Planet& planet, const RingProfile& rings)
{
    const double radius = PixelRadius(planet.radiusKm);
    const QSizeF half = HalfExtent(planet);
    const QSize size(2 * static_cast<int>(std::ceil(half.width())) + 4,
                     2 * static_cast<int>(std::ceil(half.height())) + 4);
    const QImage map = MapForRadius(LoadSourceTexture(QString::fromLatin1(planet.map)), radius);
    const SphereView view{{planet.facingLongitude * Degree, planet.ringed ? RingTilt : 0.0}};

    return Rasterise(size, 4, [&](double px, double py) {
        const double x = (px - size.width() / 2.0) / radius;
        const double y = (size.height() / 2.0 - py) / radius;
        const Hit body = PlanetHit(map, view, x, y);
        if (!planet.ringed) {
            return body.colour;
        }
        const Hit ring = RingHit(rings, x, y);
        return ring.depth > body.depth ? Over(ring.colour, body.colour)
                                       : Over(body.colour, ring.colour);
    });
}

// The Sun's limb with a thin glow, drawn over the left part of the poster.
QImage SunLimbImage()
{
    const double centreX = SunVisibleWidth - SunRadius;
    const QSize size(static_cast<int>(SunVisibleWidth + 6 * SunGlowWidth), PosterSize.height());
    const Rgba glow = OpaqueColour(qRgb(255, 150, 30));

    return Rasterise(size, 3, [&](double px, double py) {
        const double x = (px - centreX) / SunRadius;
        const double y = (Horizon - py) / SunRadius;
        const std::optional<Vec3> point = SpherePointAt(x, y);
        if (!point) {
            const double beyond = (std::hypot(x, y) - 1.0) * SunRadius;
            return Faded(glow, 0.5 * std::exp(-beyond / SunGlowWidth));
        }
        // Limb darkening: the edge shows cooler, dimmer layers.
        const double mu = point->z;
        const double brightness = SunBrightness(Scaled(*point, SunCellsPerRadius));
        return Lit(SunColour(brightness * (0.55 + 0.45 * std::sqrt(mu))), 0.7 + 0.3 * mu);
    });
}

QFont LabelFont()
{
    // Tahoma from fonts-wine when it is there, else the always present DejaVu Sans.
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QFont font(families.isEmpty() ? QStringLiteral("DejaVu Sans") : families.first());
    font.setPixelSize(13);
    return font;
}

// A name with a thin leader line from `anchor` (on the body) to the label,
// whose near edge lies at `labelY`, centred on `labelX`.
void DrawLabel(QPainter& painter, const QString& name, QPointF anchor, double labelX, double labelY)
{
    const QFontMetricsF metrics(painter.font());
    const bool below = labelY > anchor.y();
    const double width = metrics.horizontalAdvance(name);
    const double left = std::clamp(labelX - width / 2, Margin / 2, PosterSize.width() - Margin / 2 - width);
    const double baseline = below ? labelY + metrics.ascent() : labelY - metrics.descent();

    // Through pixel centres, so a vertical line stays one pixel wide and sharp.
    const auto crisp = [](double x) { return std::floor(x) + 0.5; };
    painter.setPen(QPen(LabelColour, 1.0));
    painter.drawLine(QPointF(crisp(anchor.x()), anchor.y()),
                     QPointF(crisp(labelX), below ? labelY - 3 : labelY + 3));
    painter.drawText(QPointF(left, baseline), name);
}

void DrawSun(QPainter& painter)
{
    painter.drawImage(0, 0, SunLimbImage());
    // "Sole" sits just right of the limb, in the lower row of labels.
    const double anchorY = Horizon + 70;
    const double rise = anchorY - Horizon;
    const double limbX = SunVisibleWidth - SunRadius + std::sqrt(SunRadius * SunRadius - rise * rise);
    DrawLabel(painter, QStringLiteral("Sole"), {limbX + 3, anchorY}, limbX + 24, Horizon + LabelDistance);
}

void DrawPlanets(QPainter& painter)
{
    // The planets share the room right of the Sun with equal gaps.
    double widths = 0;
    for (const Planet& planet : Planets) {
        widths += 2 * HalfExtent(planet).width();
    }
    const double start = SunVisibleWidth + 2 * Margin;
    const double gap = (PosterSize.width() - Margin - start - widths) / (Planets.size() - 1);

    const RingProfile rings;
    double left = start;
    for (std::size_t i = 0; i < Planets.size(); ++i) {
        const Planet& planet = Planets[i];
        const QSizeF half = HalfExtent(planet);
        const double centreX = std::round(left + half.width());
        left += 2 * half.width() + gap;

        const QImage image = PlanetImage(planet, rings);
        painter.drawImage(QPointF(centreX - image.width() / 2.0, Horizon - image.height() / 2.0), image);

        // Labels alternate above and below so neighbours never collide.
        const double side = i % 2 == 0 ? -1.0 : 1.0;
        const double bodyEdge = PixelRadius(planet.radiusKm) + 4;
        DrawLabel(painter, QString::fromLatin1(planet.name), {centreX, Horizon + side * bodyEdge},
                  centreX, Horizon + side * LabelDistance);
    }
}

} // namespace

void WritePoster(const QDir& folder)
{
    QImage poster(PosterSize, QImage::Format_RGB32);
    poster.fill(Qt::black);
    {
        QPainter painter(&poster);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(LabelFont());
        DrawSun(painter);
        DrawPlanets(painter);
    }
    WritePng(folder.filePath(QStringLiteral("sistema-solare.png")),
             poster.convertToFormat(QImage::Format_RGB888));
}

} // namespace ImageGen
