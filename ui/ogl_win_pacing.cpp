// The rest of the render loop's yield: the wait for the next frame.

#include "gl_view.h"
#include "ogl_win.h"

#include <QScreen>

using namespace OGLModule;

bool OGLWin::ViewShown() const
{
    // The main window decides: hidden, minimised or unmapped, it takes its
    // view out of sight even where the view itself is not told. On Wayland
    // the view is a subsurface that Qt reports exposed only once it has shown
    // a frame, so waiting for its own exposure would never draw.
    const QWindow* top = windowHandle();
    return isVisible() && glView1->isVisible() && top != nullptr && top->isExposed();
}

// Sleeps in the event loop until the view is in sight and the next frame is
// due. While the view is hidden no timer runs, and the frame timer is paused,
// so that the animation goes on from where it stood.
void OGLWin::WaitForFrame()
{
    while (!Done) {
        if (!ViewShown()) {
            if (!ViewHidden) {
                ViewHidden = true;
                HoldTimerPause(TimerPause::HiddenView);
            }
            Wait->Sleep(std::nullopt);
            continue;
        }
        if (ViewHidden) {
            ViewHidden = false;
            ReleaseTimerPause(TimerPause::HiddenView);
            Pacer.Restart();
        }
        const QScreen* screen = glView1->screen();
        Pacer.FollowScreen(screen != nullptr ? screen->refreshRate() : 0);
        const std::int64_t ticks = Pacer.TicksUntilDue();
        if (ticks <= 0) {
            return;
        }
        Wait->Sleep(Pacer.Duration(ticks));
    }
}
