#include "gl_view.h"
#include "hit_records.h"
#include "info_card.h"
#include "ogl_module.h"
#include "ogl_win.h"
#include "xp_module.h"

#include <array>

// Finds the body under the pointer: the scene is drawn once more in selection
// mode through a one-pixel region round the pointer, and the nearest named
// hit becomes the selection. Nothing is drawn on the screen.
void OGLWin::glView1_MouseMove(float X, float Y)
{
    if (!Loaded || !OGLModule::MakeViewCurrent()) {
        return;
    }
    FollowViewScale();
    ChosenByKey = false; // the pointer takes the selection back
    RenderMode = kRenderModeSelect;
    std::array<GLuint, 512> selection{};
    std::array<GLint, 4> viewport{};
    glSelectBuffer(static_cast<GLsizei>(selection.size()), selection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glRenderMode(GL_SELECT);
    glInitNames();

    // The pointer comes in logical pixels from the top; the viewport is in
    // device pixels from the bottom.
    const double ratio = glView1->devicePixelRatio();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(X * ratio, viewport[3] - Y * ratio, 1.0, 1.0, viewport.data());
    gluPerspective(XPModule::PerspectiveAngle, static_cast<double>(viewport[2]) / viewport[3], 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    Render_glView1();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();

    RenderMode = kRenderModeRender;
    const GLint hits = glRenderMode(GL_RENDER);
    Selected = NearestNamedHit(selection, hits);
    BodyCard->Follow(Selected, glView1->mapToGlobal(QPointF(X, Y)).toPoint());
}

// A body chosen from the keyboard is selected as if the pointer rested on it;
// a frame is drawn at once so that the card finds it.
void OGLWin::ChooseBody(std::uint8_t body)
{
    Selected = body;
    ChosenByKey = true;
    glView1_Paint();
}

void OGLWin::ClearChosenBody()
{
    ChosenByKey = false;
    Selected = NoBody;
    BodyCard->Follow(NoBody, {});
}

// The card stands beside the chosen body's right edge, where the last frame
// drew it, as it would beside the pointer.
void OGLWin::FollowChosenBody()
{
    const BodyPlace& place = Places[Selected];
    const double ratio = glView1->devicePixelRatio();
    const QPointF edge((place.x + place.extent) / ratio, glView1->height() - place.y / ratio);
    BodyCard->Follow(place.inFront ? Selected : std::uint8_t{NoBody}, glView1->mapToGlobal(edge).toPoint());
}
