#pragma once

#include "vb_timer.h"

#include <functional>
#include <memory>

namespace OGLModule {

// The one frame timer, created on first use with the system's counter.
VbTimer& FrameTimer();

// The system's counter, which the frame timer reads unless a test replaces it.
PerformanceCounter& SystemCounter();

// A timer on `counter` that reports a missing counter the way the program
// does: the message box, then the handler below.
std::unique_ptr<VbTimer> CreateFrameTimer(PerformanceCounter& counter);

// Runs after the "no high-resolution timer" message; the main window installs
// a handler that ends its render loop.
void SetTimerUnavailableHandler(std::function<void()> handler);

// Why the frame timer is paused. Each reason is held and released on its own;
// the timer runs again only when none is held, so that the picture window and
// the hidden view never end each other's pause.
enum class TimerPause { PictureWindow, HiddenView, MessageBox, UserPause, ModalDialog };
void HoldTimerPause(TimerPause reason);
// Releasing the last held reason restarts the clock, as the picture window's
// resume always did.
void ReleaseTimerPause(TimerPause reason);

// Holds `reason` for as long as it lives, where a frame timer exists: the
// message that the timer cannot be made must not make one.
class ScopedTimerPause {
public:
    explicit ScopedTimerPause(TimerPause reason);
    ~ScopedTimerPause();
    ScopedTimerPause(const ScopedTimerPause&) = delete;
    ScopedTimerPause& operator=(const ScopedTimerPause&) = delete;

private:
    TimerPause Reason;
    bool Held = false;
};

// Puts a timer of the caller's in place of the current one (tests use a
// timer on a fake counter). Passing nullptr makes the next access create a
// fresh system timer. Either way no pause is held any more.
void ReplaceFrameTimer(std::unique_ptr<VbTimer> timer);

// Drops the current timer; the next access creates one on `counter`, as it
// would on the system's (tests use a fake counter).
void CreateFrameTimerOnFirstUse(PerformanceCounter& counter);

} // namespace OGLModule
