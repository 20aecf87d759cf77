#include "view_passes.h"

#include "hit_records.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

void SetViewProjection(int width, int height, double perspective)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    gluPerspective(perspective, aspect, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

std::uint8_t PickBodyAt(SceneState& scene, double x, double y, double perspective, const std::function<void()>& draw)
{
    scene.RenderMode = kRenderModeSelect;
    std::array<GLuint, 512> selection{};
    std::array<GLint, 4> viewport{};
    glSelectBuffer(static_cast<GLsizei>(selection.size()), selection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glRenderMode(GL_SELECT);
    glInitNames();

    // The viewport counts its rows from the bottom.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, viewport[3] - y, 1.0, 1.0, viewport.data());
    gluPerspective(perspective, static_cast<double>(viewport[2]) / viewport[3], 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    draw();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();

    scene.RenderMode = kRenderModeRender;
    const GLint hits = glRenderMode(GL_RENDER);
    return NearestNamedHit(selection, hits);
}

QImage ReadBackFrame(const std::function<void()>& draw)
{
    // An error an earlier call left behind is not this frame's.
    while (glGetError() != GL_NO_ERROR) {
    }
    draw();
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    if (viewport[2] <= 0 || viewport[3] <= 0 || glGetError() != GL_NO_ERROR) {
        return {};
    }
    QImage frame(viewport[2], viewport[3], QImage::Format_RGBX8888);
    if (frame.isNull()) { // no memory for it
        return {};
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
    if (glGetError() != GL_NO_ERROR) {
        return {};
    }
    // OpenGL's rows run from the bottom up.
    return frame.mirrored();
}
