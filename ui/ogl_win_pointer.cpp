// The pointer and the camera: pointing picks a body, dragging turns and
// tilts the view, a double click follows a body or goes home; a body chosen
// from the keyboard is picked as the pointer would.

#include "gl_view.h"
#include "info_card.h"
#include "ogl_win.h"
#include "view_passes.h"
#include "xp_module.h"

#include <QScrollBar>

// The pointer comes in logical pixels; the pick runs in device pixels.
void OGLWin::glView1_MouseMove(float X, float Y)
{
    if (!Loaded || !OGLModule::MakeViewCurrent()) {
        return;
    }
    // The release of the double click that follows a body leaves the card
    // with the body; the pointer's next move takes it back.
    const QPointF pointer(X, Y);
    if (CardOnFollowed && pointer == PointerAt) {
        return;
    }
    CardOnFollowed = false;
    PointerAt = pointer;
    FollowViewScale();
    ChosenByKey = false; // the pointer takes the selection back
    const double ratio = Ui.glView1->devicePixelRatio();
    Scene.Selected =
        PickBodyAt(Scene, X * ratio, Y * ratio, XPModule::PerspectiveAngle, [this] { Render_glView1(); });
    BodyCard->Follow(Scene.Selected, Ui.glView1->mapToGlobal(QPointF(X, Y)).toPoint());
}

// A drag that starts on a body lets it go on along its orbit.
void OGLWin::glView1_MouseDown(float X, float Y)
{
    Drag.Start(X, Y);
    CardOnFollowed = false;
    if (!ChosenByKey) {
        Scene.Selected = NoBody;
        BodyCard->Follow(NoBody, {});
    }
}

bool OGLWin::glView1_MouseDrag(float X, float Y, bool LeftHeld)
{
    if (!Drag.Active()) {
        return false;
    }
    if (!LeftHeld) {
        Drag.Stop();
        return false;
    }
    const ViewDrag::Step step = Drag.MoveTo(X, Y);
    Rig.Camera.Turn(step.turn);
    if (step.tilt != 0) {
        XPModule::ViewTilt = DraggedTilt(XPModule::ViewTilt, step.tilt);
        ShowTilt();
    }
    return true;
}

// Picking comes back at once, under the pointer, in the view as it now is.
void OGLWin::glView1_MouseUp(float X, float Y)
{
    if (Drag.Active()) {
        glView1_MouseDrag(X, Y, true);
        Drag.Stop();
    }
    glView1_MouseMove(X, Y);
}

void OGLWin::glView1_DblClick(float X, float Y)
{
    glView1_MouseMove(X, Y);
    if (Scene.Selected == NoBody) {
        mnuvista_Click();
    } else {
        FollowBody(Scene.Selected);
    }
}

void OGLWin::FollowBody(std::uint8_t body)
{
    Rig.Camera.Follow(body, CurrentFrameInputs().camera);
    CardOnFollowed = Scene.Selected == body;
}

void OGLWin::mnuvista_Click()
{
    Rig.GoHome(CurrentViewSettings(), CurrentFrameInputs().camera);
}

ViewControlValues OGLWin::CurrentViewSettings() const
{
    return {.tilt = XPModule::ViewTilt, .panX = XPModule::ViewPanX, .panY = XPModule::ViewPanY,
            .zoom = Ui.HScroll->value()};
}

// The zoom goes through its bar, so that the bar and the projection agree.
void OGLWin::ApplyViewSettings(const ViewControlValues& settings)
{
    if (settings.tilt != XPModule::ViewTilt) {
        XPModule::ViewTilt = settings.tilt;
        ShowTilt();
    }
    XPModule::ViewPanX = static_cast<std::int16_t>(settings.panX);
    XPModule::ViewPanY = static_cast<std::int16_t>(settings.panY);
    Ui.HScroll->setValue(settings.zoom);
}

// A body chosen from the keyboard is selected as if the pointer rested on it;
// a frame is drawn at once so that the card finds it.
void OGLWin::ChooseBody(std::uint8_t body)
{
    Scene.Selected = body;
    ChosenByKey = true;
    glView1_Paint();
}

void OGLWin::ClearChosenBody()
{
    ChosenByKey = false;
    CardOnFollowed = false;
    Scene.Selected = NoBody;
    BodyCard->Follow(NoBody, {});
}

// The card stands beside the chosen or followed body's right edge, where the last frame
// drew it, as it would beside the pointer.
void OGLWin::FollowChosenBody()
{
    const BodyPlace& place = Painter.Places()[Scene.Selected];
    const double ratio = Ui.glView1->devicePixelRatio();
    const QPointF edge((place.x + place.extent) / ratio, Ui.glView1->height() - place.y / ratio);
    BodyCard->Follow(place.inFront ? Scene.Selected : std::uint8_t{NoBody}, Ui.glView1->mapToGlobal(edge).toPoint());
}
