// The view's camera wired to the pointer, the keys and the menu: dragging
// turns and tilts, a double click follows a body or goes home, and each
// pass of the loop moves its glide on.

#include "frame_timer.h"
#include "info_card.h"
#include "ogl_win.h"
#include "xp_module.h"

#include <QLabel>
#include <QScrollBar>

#include <cmath>

using namespace OGLModule;

namespace {

// A whole value on the way from `from` to `to`, `eased` of the way there.
double WholeBetween(double from, double to, double eased)
{
    return std::round(from + (to - from) * eased);
}

} // namespace

CameraPose OGLWin::CurrentCameraPose() const
{
    return CurrentFrameInputs().camera;
}

// The glide runs on the clock's real time, so that it goes on while the
// animation is paused; on the way home the settings follow it.
void OGLWin::AdvanceCamera()
{
    const double now = FrameTimer().ClockSeconds();
    const double elapsed = now - CameraClock;
    CameraClock = now;
    const bool home = Camera.GoingHome();
    Camera.Advance(elapsed);
    if (!home) {
        return;
    }
    const double eased = Camera.Eased();
    const double tilt = WholeBetween(HomeFrom.tilt, XPModule::kStartViewTilt, eased);
    if (tilt != XPModule::ViewTilt) {
        XPModule::ViewTilt = tilt;
        ShowTilt();
    }
    XPModule::ViewPanX = static_cast<std::int16_t>(WholeBetween(HomeFrom.panX, XPModule::kStartViewPanX, eased));
    XPModule::ViewPanY = static_cast<std::int16_t>(WholeBetween(HomeFrom.panY, XPModule::kStartViewPanY, eased));
    HScroll->setValue(static_cast<int>(WholeBetween(HomeFrom.zoom, XPModule::kStartPerspectiveAngle, eased)));
}

void OGLWin::GlideTurn(double degrees)
{
    Camera.GlideTurn(degrees, CurrentCameraPose());
}

void OGLWin::FollowBody(std::uint8_t body)
{
    Camera.Follow(body, CurrentCameraPose());
}

void OGLWin::mnuvista_Click()
{
    HomeFrom = {.tilt = XPModule::ViewTilt, .panX = XPModule::ViewPanX, .panY = XPModule::ViewPanY, .zoom = HScroll->value()};
    Camera.GoHome(CurrentCameraPose());
}

// A drag that starts on a body lets it go on along its orbit.
void OGLWin::glView1_MouseDown(float X, float Y)
{
    Drag.Start(X, Y);
    if (!ChosenByKey) {
        Selected = NoBody;
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
    Camera.Turn(step.turn);
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
    if (Selected == NoBody) {
        mnuvista_Click();
    } else {
        FollowBody(Selected);
    }
}
