#include "frame_timer.h"

#include "message_box.h"

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

void ReportNoCounter()
{
    ShowCriticalMessage(QStringLiteral("Your System doesn't support High Resolutiom Timer!"));
    if (TimerUnavailableHandler()) {
        TimerUnavailableHandler()();
    }
}

} // namespace

std::unique_ptr<VbTimer> CreateFrameTimer(PerformanceCounter& counter)
{
    return std::make_unique<VbTimer>(counter, ReportNoCounter);
}

VbTimer& FrameTimer()
{
    auto& timer = TimerInstance();
    if (!timer) {
        static SteadyClockCounter systemCounter;
        PerformanceCounter* const counter = CounterOfNextTimer();
        timer = CreateFrameTimer(counter != nullptr ? *counter : systemCounter);
    }
    return *timer;
}

void SetTimerUnavailableHandler(std::function<void()> handler)
{
    TimerUnavailableHandler() = std::move(handler);
}

void ReplaceFrameTimer(std::unique_ptr<VbTimer> timer)
{
    TimerInstance() = std::move(timer);
    CounterOfNextTimer() = nullptr;
}

void CreateFrameTimerOnFirstUse(PerformanceCounter& counter)
{
    TimerInstance().reset();
    CounterOfNextTimer() = &counter;
}

} // namespace OGLModule
