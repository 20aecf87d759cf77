#include "scene_renderer.h"

#include "body_orbits.h"
#include "eclipse_shading.h"
#include "moon_globes.h"
#include "ogl_module.h"
#include "scene_geometry.h"
#include "sky_bodies.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>
#include <cmath>

namespace {

constexpr double kCameraTurnSeconds = 40;

// Planets drawn before the Earth group, and after it.
constexpr std::array<BodyId, 2> kInnerPlanets{Mercury, Venus};
constexpr std::array<BodyId, 6> kOuterPlanets{Mars, Jupiter, Saturn, Uranus, Neptune, Pluto};

struct SceneStyle {
    bool fixedPlacement; // start placement instead of the view settings
    bool flaredSun;      // larger Sun, followed by the flare
    bool saturnRing;
};

// The real sky's places are for the view, never for the fixed placement.
bool TrueOrbits(const SceneState& scene, const SceneStyle& style)
{
    return scene.Real.trueOrbits && !style.fixedPlacement;
}

// Moves the model-view frame to a planet's centre: on its circle, or where
// the real sky has it.
void PlaceOnOrbit(const SceneState& scene, BodyId id, const SceneStyle& style)
{
    if (TrueOrbits(scene, style)) {
        const Vector3& centre = scene.Real.centre[id];
        glTranslated(centre[0], centre[1], centre[2]);
        return;
    }
    glRotatef(scene.OrbitAngle[id], 0, 1, 0);
    glTranslatef(OrbitDistance(id), 0, 0);
}

// With true orbits, turns the frame to the body's axes at the moment, its
// rotation included, and returns true; otherwise does nothing.
bool TurnToBodyAxes(const SceneState& scene, BodyId id, const SceneStyle& style)
{
    if (!TrueOrbits(scene, style)) {
        return false;
    }
    glMultMatrixd(BodyFrame(scene.Real.pole[id], scene.Real.primeMeridian[id]).data());
    glRotated(kMapMeridianTurn, 0, 1, 0);
    return true;
}

// Turns a body about its axis: to its true rotation with true orbits, by its
// animated spin otherwise.
void Spin(const SceneState& scene, BodyId id, const SceneStyle& style, float animatedAngle)
{
    if (!TurnToBodyAxes(scene, id, style)) {
        glRotatef(animatedAngle, 0, 1, 0);
    }
}

// The Earth or the Moon, shaded with the true sky's light and shadows where
// the mode and the context allow.
void DrawShadedBody(const SceneState& scene, BodyId body, GeometryList sphere, const SceneStyle& style)
{
    const bool shaded = TrueOrbits(scene, style) && scene.RenderMode == kRenderModeRender &&
                        OGLModule::Shading != nullptr && OGLModule::Shading->Begin(scene.Real, body);
    DrawGeometry(sphere);
    if (shaded) {
        OGLModule::Shading->End();
    }
}

void BindSlot(int slot)
{
    glBindTexture(GL_TEXTURE_2D, OGLModule::TextureNames[slot]);
}

// Binds the texture a body wears.
void BindTextureOf(BodyId body)
{
    BindSlot(SkyBodies()[body].textureSlot);
}

void PlaceCamera(const SceneState& scene)
{
    const Vector3 eye = EyeAt(scene.CameraAngle);
    gluLookAt(eye[0], eye[1], eye[2], kLookAtCentre[0], kLookAtCentre[1], kLookAtCentre[2], 0, 1, 0);
}

// Takes effect from the next frame: the eye of this one is already placed.
void SpinCamera(SceneState& scene, const FrameInputs& inputs)
{
    if (inputs.spinCamera && inputs.elapsedSeconds > 0) {
        scene.CameraAngle =
            static_cast<float>(scene.CameraAngle + 360 / (kCameraTurnSeconds / inputs.elapsedSeconds));
        if (scene.CameraAngle >= 360) {
            scene.CameraAngle = 0;
        }
    }
}

void PlaceScene(const FrameInputs& inputs, const SceneStyle& style)
{
    if (style.fixedPlacement) {
        glTranslatef(0, 5, kSceneDepth);
        glRotatef(25, 1, 0, 0);
    } else {
        glTranslatef(static_cast<GLfloat>(inputs.panX), static_cast<GLfloat>(inputs.panY), kSceneDepth);
        glRotatef(static_cast<GLfloat>(inputs.tilt), 1, 0, 0);
    }
}

// The camera's turn and shift. A shifted scene takes the lights along: they
// move in the eye's frame as far as the Sun does, so that they stand by it as
// they did unshifted. Returns whether they moved.
bool PlaceViewCamera(const CameraPose& pose)
{
    glRotatef(pose.turn, 0, 1, 0);
    if (!pose.Shifted()) {
        return false;
    }
    std::array<GLdouble, 16> before{};
    std::array<GLdouble, 16> after{};
    glGetDoublev(GL_MODELVIEW_MATRIX, before.data());
    glTranslated(pose.shift[0], pose.shift[1], pose.shift[2]);
    glGetDoublev(GL_MODELVIEW_MATRIX, after.data());
    glPushMatrix();
    glLoadIdentity();
    glTranslated(after[12] - before[12], after[13] - before[13], after[14] - before[14]);
    OGLModule::PlaceLights();
    glPopMatrix();
    return true;
}

// The lights back where the fixed state put them.
void RestoreLights()
{
    glPushMatrix();
    glLoadIdentity();
    OGLModule::PlaceLights();
    glPopMatrix();
}

void DrawOrbitLines(const SceneState& scene, const SceneStyle& style)
{
    glColor3f(1.0F, 0.6F, 0.0F);
    if (!TrueOrbits(scene, style)) {
        DrawGeometry(OrbitLines);
        return;
    }
    for (BodyId planet : kPlanetIds) {
        DrawGeometry(TrueOrbitLineOf(planet));
    }
}

// Two counter-turning copies of `quad` with the flare image, added to the
// picture without touching the depth buffer. The halo is first stood up
// against the start tilt; the flare is not.
void DrawFlareQuads(const SceneState& scene, GeometryList quad)
{
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glColor4fv(scene.FlareColor.data());
    glPushMatrix();
    BindSlot(OGLModule::kFlareSlot);
    if (quad == HaloQuad) {
        glRotatef(-25, 1, 0, 0);
    }
    glRotatef(scene.SunSpin, 0, 0, 1);
    DrawGeometry(quad);
    glRotatef(-2 * scene.SunSpin, 0, 0, 1);
    DrawGeometry(quad);
    glPopMatrix();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

// The Sun is lit by light 1 alone. Its name stays on the stack for the next
// bodies to replace.
void DrawSun(const SceneState& scene, const FrameInputs& inputs, const SceneStyle& style)
{
    glPushMatrix();
    RecordPlace(inputs.places, Sun);
    if (scene.Selected == Sun) {
        DrawFlareQuads(scene, HaloQuad);
    }
    glPushName(Sun);
    glEnable(GL_LIGHT1);
    glDisable(GL_LIGHT0);
    glColor3f(1.0F, 0.6F, 0.0F);
    BindTextureOf(Sun);
    if (TurnToBodyAxes(scene, Sun, style)) {
        glRotatef(-90, 1, 0, 0); // the map's north on the pole, as the planets'
    } else {
        glRotatef(scene.SunSpin, 0, 1, 0);
    }
    DrawGeometry(style.flaredSun ? LargeSunSphere : SunSphere);
    glDisable(GL_LIGHT1);
    glEnable(GL_LIGHT0);
    glPopMatrix();
}

void DrawPlanet(const SceneState& scene, const FrameInputs& inputs, BodyId planet, const SceneStyle& style)
{
    glPushMatrix();
    glColor3f(0.7F, 0.7F, 0.7F);
    PlaceOnOrbit(scene, planet, style);
    RecordPlace(inputs.places, planet);
    if (planet != Saturn) {
        Spin(scene, planet, style, scene.SpinAngle[planet]);
    } else {
        TurnToBodyAxes(scene, planet, style);
    }
    glRotatef(-90, 1, 0, 0); // polar axis up
    glLoadName(planet);
    BindTextureOf(planet);
    DrawGeometry(SphereOf(planet));
    if (planet == Saturn && style.saturnRing) {
        glColor3f(10, 10, 10); // saturates the lit colour
        if (TrueOrbits(scene, style)) {
            glRotatef(90, 1, 0, 0); // from the plane through the pole into the equator
        }
        DrawGeometry(SaturnRing);
    }
    glPopMatrix();
}

void DrawEarthHighlight(const SceneState& scene)
{
    glPushMatrix();
    glEnable(GL_BLEND);
    glColor4f(1.0F, 1.0F, 1.0F, 0.3F);
    BindTextureOf(Mars); // the shell wears Mars's texture
    glRotatef(-scene.SunSpin, 0, 1, 0);
    glRotatef(-90, 1, 0, 0);
    DrawGeometry(EarthShell);
    glDisable(GL_BLEND);
    glPopMatrix();
}

// The Moon circles the Earth in the Earth's frame turned about X, or stands
// where the real sky has it. Its name stays on the stack for Mars to replace.
void DrawMoon(const SceneState& scene, const FrameInputs& inputs, const SceneStyle& style)
{
    glPushMatrix();
    if (scene.Real.moonReal && !style.fixedPlacement) {
        if (!TrueOrbits(scene, style)) {
            glRotatef(-scene.OrbitAngle[Earth], 0, 1, 0); // back out of the Earth's turn
        }
        const Vector3& offset = scene.Real.moonOffset;
        glTranslated(offset[0], offset[1], offset[2]);
    } else {
        glRotatef(kMoonCircleTilt, 1, 0, 0);
        const float phi = scene.OrbitAngle[Moon] * kDegreesToRadians;
        glTranslatef(kMoonDistance * std::sin(phi), kMoonDistance * std::cos(phi), 0);
    }
    RecordPlace(inputs.places, Moon);
    glColor3f(0.5F, 0.5F, 0.5F);
    Spin(scene, Moon, style, scene.MoonSpin);
    glRotatef(-90, 1, 0, 0);
    glPushName(Moon);
    BindTextureOf(Moon);
    DrawShadedBody(scene, Moon, MoonSphere, style);
    glPopMatrix();
}

void DrawEarthGroup(const SceneState& scene, const FrameInputs& inputs, const SceneStyle& style)
{
    glPushMatrix();
    glColor3f(0.7F, 0.7F, 0.7F);
    PlaceOnOrbit(scene, Earth, style);
    RecordPlace(inputs.places, Earth);

    glPushMatrix();
    Spin(scene, Earth, style, scene.SpinAngle[Earth]);
    glRotatef(-90, 1, 0, 0);
    glLoadName(Earth);
    BindTextureOf(Earth);
    DrawShadedBody(scene, Earth, EarthSphere, style);
    glPopName();
    glPopMatrix();

    if (scene.Selected == Earth) {
        DrawEarthHighlight(scene);
    }
    DrawMoon(scene, inputs, style);
    glPopMatrix();
}

void DrawFrame(SceneState& scene, const FrameInputs& inputs, const SceneStyle& style)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    PlaceCamera(scene);
    SpinCamera(scene, inputs);
    PlaceScene(inputs, style);
    const bool lightsMoved = !style.fixedPlacement && inputs.camera.active && PlaceViewCamera(inputs.camera);
    if (inputs.backdrop != nullptr && !style.fixedPlacement && scene.RenderMode == kRenderModeRender) {
        inputs.backdrop->Draw(inputs.backdropLayers);
    }
    if (TrueOrbits(scene, style) && OGLModule::Shading != nullptr) {
        OGLModule::Shading->MarkSceneFrame();
    }
    if (inputs.showOrbits) {
        DrawOrbitLines(scene, style);
    }
    DrawSun(scene, inputs, style);
    if (style.flaredSun) {
        // Everything after the flare is drawn in the frame it leaves behind.
        DrawFlareSun(scene);
    }
    for (BodyId planet : kInnerPlanets) {
        DrawPlanet(scene, inputs, planet, style);
    }
    DrawEarthGroup(scene, inputs, style);
    for (BodyId planet : kOuterPlanets) {
        DrawPlanet(scene, inputs, planet, style);
        if (inputs.moons != nullptr && !style.fixedPlacement) {
            inputs.moons->Draw(scene, planet, inputs.places);
        }
    }
    glPopName();
    if (lightsMoved) {
        RestoreLights();
    }
}

} // namespace

void RenderScene(SceneState& scene, const FrameInputs& inputs)
{
    DrawFrame(scene, inputs, {.fixedPlacement = false, .flaredSun = false, .saturnRing = true});
}

void RenderFixedScene(SceneState& scene, const FrameInputs& inputs)
{
    DrawFrame(scene, inputs, {.fixedPlacement = true, .flaredSun = true, .saturnRing = false});
}

void DrawFlareSun(const SceneState& scene)
{
    DrawFlareQuads(scene, FlareQuad);
    BindTextureOf(Sun);
    glRotatef(scene.MoonSpin, 0, 1, 0);
    glRotatef(-90, 1, 0, 0);
    DrawGeometry(FlareSunSphere);
}
