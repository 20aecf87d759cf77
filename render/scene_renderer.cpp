#include "scene_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

namespace {

// The camera formula takes pi as 3.14.
constexpr double kRoughPi = 3.14;
constexpr double kCameraTurnSeconds = 40;

void PlaceCamera(const SceneState& scene)
{
    const double theta = scene.CameraAngle / 180.0 * kRoughPi;
    gluLookAt(-20 * std::cos(theta), 5 * std::sin(theta), 0, 0, 2.5, -40, 0, 1, 0);
}

void SpinCamera(SceneState& scene, const FrameInputs& inputs)
{
    if (inputs.spinCamera && inputs.elapsedSeconds > 0) {
        scene.CameraAngle = static_cast<float>(scene.CameraAngle + 360 / (kCameraTurnSeconds / inputs.elapsedSeconds));
        if (scene.CameraAngle >= 360) {
            scene.CameraAngle = 0;
        }
    }
}

} // namespace

void RenderScene(SceneState& scene, const FrameInputs& inputs)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    PlaceCamera(scene);
    SpinCamera(scene, inputs);
    glTranslatef(static_cast<GLfloat>(inputs.panX), static_cast<GLfloat>(inputs.panY), -40.0F);
    glRotatef(static_cast<GLfloat>(inputs.tilt), 1, 0, 0);
}
