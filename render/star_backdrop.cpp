#include "star_backdrop.h"

#include "sky_units.h"

#include <GL/glu.h>

#include <cmath>
#include <numbers>

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
// across, the faintest barely visible, none as bright as a lit planet.
struct MagnitudeClass {
    double faintest;
    GLfloat size;
    GLfloat grey;
};
constexpr std::array<MagnitudeClass, 7> kClasses{{{0.5, 3.5F, 0.8F},
                                                  {1.5, 3.0F, 0.75F},
                                                  {2.5, 2.5F, 0.65F},
                                                  {3.5, 2.0F, 0.55F},
                                                  {4.5, 1.5F, 0.45F},
                                                  {5.5, 1.0F, 0.35F},
                                                  {kFaintestMagnitude, 1.0F, 0.2F}}};

void Vertex(const Vector3& direction)
{
    glVertex3d(direction[0] * kSkyRadius, direction[1] * kSkyRadius, direction[2] * kSkyRadius);
}

// The unit vector of a right ascension and declination, equatorial.
Vector3 Equatorial(double rightAscension, double declination)
{
    return Rectangular({rightAscension, declination, 1});
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
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
void CompileMilkyWay(const QImage& map)
{
    const double halfHeight = 180.0 * map.height() / map.width();
    constexpr int kColumns = 72;
    constexpr int kRows = 4;
    for (int row = 0; row < kRows; ++row) {
        const double top = halfHeight - 2 * halfHeight * row / kRows;
        const double bottom = halfHeight - 2 * halfHeight * (row + 1) / kRows;
        glBegin(GL_QUAD_STRIP);
        for (int column = 0; column <= kColumns; ++column) {
            const double longitude = 180.0 - 360.0 * column / kColumns;
            const auto s = static_cast<GLfloat>(0.5 - longitude / 360);
            glTexCoord2f(s, static_cast<GLfloat>(0.5 - top / (2 * halfHeight)));
            Vertex(GalacticDirection(longitude, top));
            glTexCoord2f(s, static_cast<GLfloat>(0.5 - bottom / (2 * halfHeight)));
            Vertex(GalacticDirection(longitude, bottom));
        }
        glEnd();
    }
}

void CompileFigures(const SkyBackdropData& sky)
{
    glColor3fv(kFigureColour.data());
    glBegin(GL_LINES);
    for (const auto& stroke : sky.strokes) {
        Vertex(stroke[0]);
        Vertex(stroke[1]);
    }
    glEnd();
}

void CompileStars(const SkyBackdropData& sky)
{
    double brighter = -100;
    for (const MagnitudeClass& magnitudes : kClasses) {
        glPointSize(magnitudes.size);
        glColor3f(magnitudes.grey, magnitudes.grey, magnitudes.grey);
        glBegin(GL_POINTS);
        for (const SkyBackdropData::Star& star : sky.stars) {
            if (star.magnitude > brighter && star.magnitude <= magnitudes.faintest) {
                Vertex(star.direction);
            }
        }
        glEnd();
        brighter = magnitudes.faintest;
    }
}

} // namespace

void StarBackdrop::Adopt(std::shared_ptr<const SkyBackdropData> data)
{
    Sky = std::move(data);
}

void StarBackdrop::Build()
{
    Lists = glGenLists(3);
    if (!Sky->milkyWay.isNull()) {
        glGenTextures(1, &MilkyWayTexture);
        glBindTexture(GL_TEXTURE_2D, MilkyWayTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, Sky->milkyWay.width(), Sky->milkyWay.height(), 0, GL_LUMINANCE,
                     GL_UNSIGNED_BYTE, Sky->milkyWay.constBits());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glNewList(Lists, GL_COMPILE);
        CompileMilkyWay(Sky->milkyWay);
        glEndList();
    }
    glNewList(Lists + 1, GL_COMPILE);
    CompileFigures(*Sky);
    glEndList();
    glNewList(Lists + 2, GL_COMPILE);
    CompileStars(*Sky);
    glEndList();
}

void StarBackdrop::Draw(const Layers& layers)
{
    if (Sky == nullptr || !layers.Any()) {
        return;
    }
    if (Lists == 0) {
        Build();
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
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    if (layers.milkyWay && MilkyWayTexture != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, MilkyWayTexture);
        glColor3f(kMilkyWayGrey, kMilkyWayGrey, kMilkyWayGrey);
        glCallList(Lists);
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    if (layers.figures) {
        glCallList(Lists + 1);
    }
    if (layers.stars) {
        glEnable(GL_POINT_SMOOTH);
        glCallList(Lists + 2);
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
    if (Lists != 0) {
        glDeleteLists(Lists, 3);
    }
    if (MilkyWayTexture != 0) {
        glDeleteTextures(1, &MilkyWayTexture);
    }
    Forget();
}

void StarBackdrop::Forget()
{
    Lists = 0;
    MilkyWayTexture = 0;
}
