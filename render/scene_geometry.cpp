#include "scene_geometry.h"

#include "moon_systems.h"
#include "ogl_module.h"
#include "sky_bodies.h"

#include <GL/glu.h>

#include <array>
#include <cmath>
#include <span>

namespace {

GLuint ListBase = 0;

struct SphereShape {
    GeometryList list;
    GLdouble radius;
    GLint slices;
    GLint stacks;
};

constexpr std::array<SphereShape, 14> kSpheres{{
    {SunSphere, 3.0, 20, 20},
    {MercurySphere, 0.5, 30, 20},
    {VenusSphere, 1.2, 40, 30},
    {EarthSphere, 1.5, 50, 30},
    {MoonSphere, 0.6, 20, 20},
    {MarsSphere, 0.65, 30, 20},
    {JupiterSphere, 3.0, 30, 20},
    {SaturnSphere, 2.5, 30, 20},
    {UranusSphere, 1.25, 30, 20},
    {NeptuneSphere, 1.18, 30, 20},
    {PlutoSphere, 0.2, 30, 20},
    {EarthShell, 1.7, 30, 30},
    {LargeSunSphere, 4.0, 20, 20},
    {FlareSunSphere, 3.5, 30, 30},
}};

// The orbit lines lie 0.1 beyond each planet's distance from the Sun.
constexpr double kOrbitLineBeyond = 0.1;

// Saturn's ring: six circles 0.1 apart, one closed line through them all.
constexpr std::array<double, 6> kRingRadii{4.0 + 0.1 * 0, 4.0 + 0.1 * 1, 4.0 + 0.1 * 2,
                                           4.0 + 0.1 * 3, 4.0 + 0.1 * 4, 4.0 + 0.1 * 5};

// One circle in the XZ plane: the vertex at angle 0, then 120 more from
// 1 degree on, each 3 degrees past the last (with pi taken as 3.14), the last
// short of a full turn.
void EmitCircle(double radius)
{
    constexpr double kRoughPi = 3.14;
    glVertex3f(0.0F, 0.0F, static_cast<GLfloat>(radius));
    for (double a = kRoughPi / 180; a <= 2 * kRoughPi; a += kRoughPi / 60) {
        glVertex3f(static_cast<GLfloat>(radius * std::sin(a)), 0.0F, static_cast<GLfloat>(radius * std::cos(a)));
    }
}

// A closed line through the circles of `radii`, joining each circle to the
// next and the last back to the start of the first. Drawn as a strip that
// repeats its first vertex: Mesa crashes when a compiled line loop is
// replayed in selection mode.
void EmitClosedLine(std::span<const double> radii)
{
    glBegin(GL_LINE_STRIP);
    for (double radius : radii) {
        EmitCircle(radius);
    }
    glVertex3f(0.0F, 0.0F, static_cast<GLfloat>(radii.front()));
    glEnd();
}

// A square facing +Z, its texture mirrored across the diagonal through the
// top-left and bottom-right corners.
void EmitQuad(GLfloat halfSide)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex3f(-halfSide, halfSide, 0);
    glTexCoord2f(1, 1);
    glVertex3f(-halfSide, -halfSide, 0);
    glTexCoord2f(1, 0);
    glVertex3f(halfSide, -halfSide, 0);
    glTexCoord2f(0, 0);
    glVertex3f(halfSide, halfSide, 0);
    glEnd();
}

void Compile(GeometryList list, auto&& draw)
{
    glNewList(ListBase + list, GL_COMPILE);
    draw();
    glEndList();
}

} // namespace

double SphereRadius(BodyId id)
{
    for (const SphereShape& sphere : kSpheres) {
        if (sphere.list == SphereOf(id)) {
            return sphere.radius;
        }
    }
    return 0;
}

double BodyExtent(BodyId id)
{
    if (IsMoonId(id)) {
        return MoonRadius(static_cast<MoonId>(id));
    }
    if (id == Saturn) {
        return kRingRadii.back();
    }
    return SphereRadius(id);
}

bool BuildSceneGeometry()
{
    ListBase = glGenLists(kGeometryListCount);
    if (ListBase == 0) {
        return false;
    }
    GLUquadric* quadric = OGLModule::Quadric;
    for (const SphereShape& sphere : kSpheres) {
        Compile(sphere.list, [&] { gluSphere(quadric, sphere.radius, sphere.slices, sphere.stacks); });
    }
    Compile(OrbitLines, [] {
        for (BodyId planet : kPlanetIds) {
            const double radius = SkyBodies()[planet].animationDistance + kOrbitLineBeyond;
            EmitClosedLine(std::span(&radius, 1));
        }
    });
    Compile(SaturnRing, [] { EmitClosedLine(kRingRadii); });
    Compile(HaloQuad, [] { EmitQuad(6.5F); });
    Compile(FlareQuad, [] { EmitQuad(8.0F); });
    for (BodyId planet : kPlanetIds) {
        Compile(TrueOrbitLineOf(planet), [] {});
    }
    return true;
}

void CompileTrueOrbitLine(BodyId planet, std::span<const Vector3> points)
{
    Compile(TrueOrbitLineOf(planet), [&] {
        glBegin(GL_LINE_STRIP);
        for (const Vector3& point : points) {
            glVertex3d(point[0], point[1], point[2]);
        }
        glEnd();
    });
}

void DrawGeometry(GeometryList list)
{
    glCallList(ListBase + list);
}
