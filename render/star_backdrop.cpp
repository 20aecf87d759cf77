#include "star_backdrop.h"

#include "image_texture.h"
#include "sky_units.h"

#include <QPainter>

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <span>

namespace {

// The sphere the sky is drawn on, well inside the far plane.
constexpr double kSkyRadius = 50;
constexpr GLfloat kMilkyWayGrey = 0.35F;
constexpr std::array<GLfloat, 3> kFigureColour{0.22F, 0.3F, 0.5F};

// The galactic pole and centre of J2000 (right ascension, declination).
constexpr double kGalacticPoleRa = 192.85948;
constexpr double kGalacticPoleDec = 27.12825;
constexpr double kGalacticCentreRa = 266.40499;
constexpr double kGalacticCentreDec = -28.93617;

// Size and brightness by magnitude: the brightest stars a few pixels
// across, the faintest barely visible, none as bright as a lit planet. The
// brighter stars are discs, each class its own size, drawn as pictures at
// the window's pixels in one batch; the fainter ones single pixels, their
// grey by magnitude, all drawn at once (a smoothed point costs the software
// rasteriser many times a pixel).
struct MagnitudeClass {
    double faintest;
    double diameter; // device pixels
    GLfloat grey;
};
constexpr std::array<MagnitudeClass, 4> kDiscClasses{
    {{0.5, 3.5, 0.8F}, {1.5, 3.0, 0.75F}, {2.5, 2.5, 0.65F}, {3.5, 2.0, 0.55F}}};
constexpr std::array<MagnitudeClass, 3> kPixelClasses{
    {{4.5, 1.0, 0.45F}, {5.5, 1.0, 0.27F}, {kFaintestMagnitude, 1.0, 0.16F}}};

// A class's disc, antialiased, centred in a picture an odd number of pixels
// wide, so that a star at a pixel's middle has its disc's middle there.
QImage PaintDisc(const MagnitudeClass& bounds)
{
    const int side = 2 * static_cast<int>(std::ceil(bounds.diameter / 2)) + 1;
    QImage disc(side, side, QImage::Format_RGBA8888_Premultiplied);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgbF(bounds.grey, bounds.grey, bounds.grey));
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), bounds.diameter / 2, bounds.diameter / 2);
    return disc;
}

// The first class of `classes` a magnitude belongs to.
template <std::size_t N>
std::optional<std::size_t> ClassOf(double magnitude, const std::array<MagnitudeClass, N>& classes)
{
    const auto found = std::ranges::find_if(
        classes, [magnitude](const MagnitudeClass& bounds) { return magnitude <= bounds.faintest; });
    return found == classes.end() ? std::nullopt : std::optional(static_cast<std::size_t>(found - classes.begin()));
}

// The unit vector of a right ascension and declination, equatorial.
Vector3 Equatorial(double rightAscension, double declination)
{
    return Rectangular({rightAscension, declination, 1});
}

// The scene direction of galactic longitude and latitude (degrees).
Vector3 GalacticDirection(double longitude, double latitude)
{
    static const std::array<Vector3, 3> axes = [] {
        const Vector3 pole = Equatorial(kGalacticPoleRa, kGalacticPoleDec);
        const Vector3 centre = Equatorial(kGalacticCentreRa, kGalacticCentreDec);
        const Vector3 east = Cross(pole, centre);
        return std::array<Vector3, 3>{Cross(east, pole), east, pole};
    }();
    const Vector3 galactic = Rectangular({longitude, latitude, 1});
    const Vector3 equatorial = axes[0] * galactic[0] + axes[1] * galactic[1] + axes[2] * galactic[2];
    const EclipticPlace place = Spherical(equatorial);
    return SkyDirection(place.longitude, place.latitude);
}

// The band of the picture: 0 to 360 in longitude, the middle column the
// centre, the longitude growing to the left; as high in degrees as wide.
// It is cut into cells of kCellTexels a side; a cell too faint to show
// (its mean under kFaintCell: under 2 of 255 on the screen at kMilkyWayGrey)
// is left out, so that the rasteriser fills only where the Milky Way shows.
constexpr int kCellTexels = 8;
constexpr int kFaintCell = 6;

bool Faint(const QImage& map, const QRect& cell)
{
    int sum = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        const uchar* row = map.constScanLine(y);
        for (int x = cell.left(); x <= cell.right(); ++x) {
            sum += row[x];
        }
    }
    return sum < kFaintCell * cell.width() * cell.height();
}

void AddMilkyWay(SkyRegionArray& cells, const QImage& map)
{
    const double halfHeight = 180.0 * map.height() / map.width();
    for (int top = 0; top < map.height(); top += kCellTexels) {
        for (int left = 0; left < map.width(); left += kCellTexels) {
            const QRect cell = QRect(left, top, kCellTexels, kCellTexels) & map.rect();
            if (Faint(map, cell)) {
                continue;
            }
            const std::array<QPoint, 4> corners{QPoint(left, top), QPoint(left, cell.bottom() + 1),
                                                QPoint(cell.right() + 1, cell.bottom() + 1),
                                                QPoint(cell.right() + 1, top)};
            std::array<Vector3, 4> directions{};
            std::array<GLfloat, 8> texture{};
            for (std::size_t k = 0; k < corners.size(); ++k) {
                const double s = static_cast<double>(corners[k].x()) / map.width();
                const double t = static_cast<double>(corners[k].y()) / map.height();
                directions[k] = GalacticDirection(180 - 360 * s, halfHeight * (1 - 2 * t));
                texture[2 * k] = static_cast<GLfloat>(s);
                texture[2 * k + 1] = static_cast<GLfloat>(t);
            }
            cells.Add(directions, texture);
        }
    }
}

} // namespace

void StarBackdrop::Adopt(std::shared_ptr<const SkyBackdropData> data)
{
    Sky = std::move(data);
}

void StarBackdrop::Sort()
{
    if (!Sky->milkyWay.isNull()) {
        AddMilkyWay(MilkyWay, Sky->milkyWay);
    }
    for (const auto& stroke : Sky->strokes) {
        Figures.Add(stroke);
    }
    for (const SkyBackdropData::Star& star : Sky->stars) {
        const std::span direction(&star.direction, 1);
        if (const std::optional<std::size_t> disc = ClassOf(star.magnitude, kDiscClasses)) {
            BrightStars.push_back({star.direction, *disc});
        } else if (const std::optional<std::size_t> pixel = ClassOf(star.magnitude, kPixelClasses)) {
            const GLfloat grey = kPixelClasses[*pixel].grey;
            PixelStars.Add(direction, std::array<GLfloat, 3>{grey, grey, grey});
        }
    }
    MilkyWay.Seal();
    Figures.Seal();
    PixelStars.Seal();
    Sorted = true;
}

void StarBackdrop::DrawBrightStars()
{
    if (Discs.empty()) {
        std::vector<QImage> discs;
        for (const MagnitudeClass& bounds : kDiscClasses) {
            discs.push_back(PaintDisc(bounds));
        }
        Discs = MakeImageLabels(discs);
    }
    const ScreenLabelPass pass;
    glBlendFunc(GL_ONE, GL_ONE);
    const ScreenLabelBatch batch(Discs.front().texture);
    double x = 0;
    double y = 0;
    for (const BrightStar& star : BrightStars) {
        if (Project(star.direction, x, y)) {
            const ScreenLabel& disc = Discs[star.discClass];
            batch.Put(disc, x - disc.width / 2.0, y - disc.height / 2.0);
        }
    }
}

void StarBackdrop::Draw(const Layers& layers)
{
    if (Sky == nullptr || !layers.Any()) {
        return;
    }
    if (!Sorted) {
        Sort();
    }
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POINT_BIT |
                 GL_TEXTURE_BIT);
    glPushMatrix();
    // Infinitely far: the view's turns without its shifts.
    glGetDoublev(GL_MODELVIEW_MATRIX, Turn.data());
    Turn[12] = Turn[13] = Turn[14] = 0;
    glLoadMatrixd(Turn.data());
    glGetDoublev(GL_PROJECTION_MATRIX, Projection.data());
    glGetIntegerv(GL_VIEWPORT, Viewport.data());
    const ViewFrustum view(Turn, Projection, Viewport[3]);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    if (layers.milkyWay && !Sky->milkyWay.isNull()) {
        if (MilkyWayTexture == 0) {
            MilkyWayTexture = MakeImageTexture(Sky->milkyWay, {.filter = GL_LINEAR, .wrapS = GL_REPEAT});
        }
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, MilkyWayTexture);
        glColor3f(kMilkyWayGrey, kMilkyWayGrey, kMilkyWayGrey);
        MilkyWay.Draw(GL_QUADS, view, kSkyRadius);
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    if (layers.figures) {
        glColor3fv(kFigureColour.data());
        Figures.Draw(GL_LINES, view, kSkyRadius);
    }
    if (layers.stars) {
        PixelStars.Draw(GL_POINTS, view, kSkyRadius);
        DrawBrightStars();
    }
    glPopMatrix();
    glPopAttrib();
}

bool StarBackdrop::Project(const Vector3& direction, double& x, double& y) const
{
    // In front of the eye: the turned direction's z is negative.
    const double z = Turn[2] * direction[0] + Turn[6] * direction[1] + Turn[10] * direction[2];
    GLdouble depth = 0;
    return z < 0 && gluProject(direction[0] * kSkyRadius, direction[1] * kSkyRadius, direction[2] * kSkyRadius,
                               Turn.data(), Projection.data(), Viewport.data(), &x, &y, &depth) == GL_TRUE;
}

void StarBackdrop::Release()
{
    if (MilkyWayTexture != 0) {
        glDeleteTextures(1, &MilkyWayTexture);
    }
    DeleteScreenLabels(Discs);
    Forget();
}

void StarBackdrop::Forget()
{
    MilkyWayTexture = 0;
    Discs.clear();
}
