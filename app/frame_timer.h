#pragma once

#include "vb_timer.h"

#include <functional>
#include <memory>

namespace OGLModule {

// The one frame timer, created on first use with the system's counter.
VbTimer& FrameTimer();

// A timer on `counter` that reports a missing counter the way the program
// does: the message box, then the handler below.
std::unique_ptr<VbTimer> CreateFrameTimer(PerformanceCounter& counter);

// Runs after the "no high-resolution timer" message; the main window installs
// a handler that ends its render loop.
void SetTimerUnavailableHandler(std::function<void()> handler);

// Puts a timer of the caller's in place of the current one (tests use a
// timer on a fake counter). Passing nullptr makes the next access create a
// fresh system timer.
void ReplaceFrameTimer(std::unique_ptr<VbTimer> timer);

// Drops the current timer; the next access creates one on `counter`, as it
// would on the system's (tests use a fake counter).
void CreateFrameTimerOnFirstUse(PerformanceCounter& counter);

} // namespace OGLModule
