#include "moon_globes.h"

#include "body_orbits.h"
#include "moon_systems.h"
#include "ogl_module.h"
#include "planet_moons.h"
#include "scene_geometry.h"
#include "texture_loader.h"
#include "view_frustum.h"

#include <QCoreApplication>

namespace {

// The file of each moon's map beside the executable, in moon-id order;
// none for the moons openuniverse has no map of.
constexpr std::array<const char*, kMoonCount> kMapFiles{
    "Io.bmp",     "Europa.bmp", "Ganymede.bmp", "Callisto.bmp", nullptr,      nullptr,
    "Tethys.bmp", "Dione.bmp",  "Rhea.bmp",     "Titan.bmp",    "Hyperion.bmp", nullptr,
    "Phobos.bmp", "Deimos.bmp", "Triton.bmp",   "Charon.bmp",
};

// A moon is seldom more than a few pixels across: below kFinePixels of
// radius its sphere has a quarter of the facets, still round to the pixel.
constexpr GLint kSlices = 24;
constexpr GLint kStacks = 16;
constexpr GLint kCoarseSlices = 12;
constexpr GLint kCoarseStacks = 8;
constexpr double kFinePixels = 16;
constexpr GLfloat kLitGrey = 0.7F; // as the planets

std::size_t IndexOf(MoonId moon)
{
    return static_cast<std::size_t>(moon - kFirstMoon);
}

GLuint LoadMap(const QString& path)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    const std::optional<TextureBitmap> bitmap = ReadBitmapFile(path, maxSide);
    if (!bitmap) {
        return 0;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    UploadTexture(name, *bitmap);
    return name;
}

} // namespace

void MoonGlobes::Prepare()
{
    Spheres = glGenLists(2 * kMoonCount);
    if (Spheres == 0) {
        return;
    }
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (int id = kFirstMoon; id < kSceneBodyCount; ++id) {
        const auto moon = static_cast<MoonId>(id);
        const std::size_t i = IndexOf(moon);
        glNewList(Spheres + static_cast<GLuint>(i), GL_COMPILE);
        gluSphere(OGLModule::Quadric, MoonRadius(moon), kSlices, kStacks);
        glEndList();
        glNewList(Spheres + static_cast<GLuint>(kMoonCount + i), GL_COMPILE);
        gluSphere(OGLModule::Quadric, MoonRadius(moon), kCoarseSlices, kCoarseStacks);
        glEndList();
        if (kMapFiles[i] != nullptr) {
            Maps[i] = LoadMap(folder + QLatin1String(kMapFiles[i]));
        }
    }
}

// Each moon turns its map's longitude 0 to its planet, as the tidally locked
// moons do, its pole along the planet's. A moon wholly outside the view (or
// the pick's square) is not sent to the rasteriser.
void MoonGlobes::Draw(const SceneState& scene, BodyId planet, BodyPlaces* places)
{
    if (Spheres == 0) {
        Prepare();
    }
    if (Spheres == 0) {
        return;
    }
    const Vector3 pole = scene.Real.trueOrbits ? scene.Real.pole[planet] : Vector3{0, 1, 0};
    const ViewFrustum view = ViewFrustum::Current();
    glColor3f(kLitGrey, kLitGrey, kLitGrey);
    for (int id = kFirstMoon; id < kSceneBodyCount; ++id) {
        const auto moon = static_cast<MoonId>(id);
        if (FactsOf(moon).planet != planet) {
            continue;
        }
        const Vector3 centre = BodyCentre(scene, static_cast<BodyId>(id));
        if (!view.Reaches(centre, MoonRadius(moon))) {
            continue;
        }
        const std::size_t sphere =
            view.PixelRadius(centre, MoonRadius(moon)) < kFinePixels ? kMoonCount + IndexOf(moon) : IndexOf(moon);
        glPushMatrix();
        glTranslated(centre[0], centre[1], centre[2]);
        RecordPlace(places, moon);
        glMultMatrixd(BodyFrame(pole, MoonOffsetInScene(scene, moon) * -1).data());
        glRotated(kMapMeridianTurn, 0, 1, 0);
        glRotatef(-90, 1, 0, 0); // the sphere's axis on the pole
        glLoadName(moon);
        glBindTexture(GL_TEXTURE_2D, Maps[IndexOf(moon)]);
        glCallList(Spheres + static_cast<GLuint>(sphere));
        glPopMatrix();
    }
}

void MoonGlobes::Release()
{
    if (Spheres != 0) {
        glDeleteLists(Spheres, 2 * kMoonCount);
    }
    for (GLuint map : Maps) {
        if (map != 0) {
            glDeleteTextures(1, &map);
        }
    }
    Forget();
}

void MoonGlobes::Forget()
{
    Spheres = 0;
    Maps = {};
}
