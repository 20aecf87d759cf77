#include "frame_timer.h"

#include "message_box.h"
#include "texts_app.h"

#include <bitset>
#include <utility>

namespace OGLModule {
namespace {

std::function<void()>& TimerUnavailableHandler()
{
    static std::function<void()> handler;
    return handler;
}

std::unique_ptr<VbTimer>& TimerInstance()
{
    static std::unique_ptr<VbTimer> timer;
    return timer;
}

// The counter of the next timer FrameTimer creates; null for the system's.
PerformanceCounter*& CounterOfNextTimer()
{
    static PerformanceCounter* counter = nullptr;
    return counter;
}

std::bitset<5>& HeldPauses()
{
    static std::bitset<5> held;
    return held;
}

void ReportNoCounter()
{
    ShowCriticalMessage(MessageText::NoHighResolutionTimer());
    if (TimerUnavailableHandler()) {
        TimerUnavailableHandler()();
    }
}

} // namespace

std::unique_ptr<VbTimer> CreateFrameTimer(PerformanceCounter& counter)
{
    return std::make_unique<VbTimer>(counter, ReportNoCounter);
}

PerformanceCounter& SystemCounter()
{
    static SteadyClockCounter counter;
    return counter;
}

VbTimer& FrameTimer()
{
    auto& timer = TimerInstance();
    if (!timer) {
        PerformanceCounter* const counter = CounterOfNextTimer();
        timer = CreateFrameTimer(counter != nullptr ? *counter : SystemCounter());
    }
    return *timer;
}

void SetTimerUnavailableHandler(std::function<void()> handler)
{
    TimerUnavailableHandler() = std::move(handler);
}

void HoldTimerPause(TimerPause reason)
{
    HeldPauses().set(static_cast<std::size_t>(reason));
    FrameTimer().Paused(true);
}

void ReleaseTimerPause(TimerPause reason)
{
    HeldPauses().reset(static_cast<std::size_t>(reason));
    if (HeldPauses().none()) {
        FrameTimer().Paused(false);
    }
}

ScopedTimerPause::ScopedTimerPause(TimerPause reason) : Reason(reason), Held(TimerInstance() != nullptr)
{
    if (Held) {
        HoldTimerPause(Reason);
    }
}

ScopedTimerPause::~ScopedTimerPause()
{
    if (Held && TimerInstance() != nullptr) {
        ReleaseTimerPause(Reason);
    }
}

void ReplaceFrameTimer(std::unique_ptr<VbTimer> timer)
{
    TimerInstance() = std::move(timer);
    CounterOfNextTimer() = nullptr;
    HeldPauses().reset();
}

void CreateFrameTimerOnFirstUse(PerformanceCounter& counter)
{
    TimerInstance().reset();
    CounterOfNextTimer() = &counter;
    HeldPauses().reset();
}

} // namespace OGLModule
