#include "render_loop.h"

#include "frame_timer.h"

#include <QCoreApplication>

using namespace OGLModule;

RenderLoop::RenderLoop(View view) : Pacer(SystemCounter()), Shown(std::move(view)) {}

bool RenderLoop::NextFrame(const bool& done)
{
    QCoreApplication::processEvents();
    WaitForFrame(done);
    if (done) {
        return false;
    }
    Pacer.FrameStarted();
    FrameTimer().UpdateTimer(1);
    return true;
}

void RenderLoop::WaitForFrame(const bool& done)
{
    while (!done) {
        if (!Shown.shown()) {
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
        Pacer.FollowScreen(Shown.refreshRate());
        const std::int64_t ticks = Pacer.TicksUntilDue();
        if (ticks <= 0) {
            return;
        }
        Wait->Sleep(Pacer.Duration(ticks));
    }
}
