#include "loop_wait.h"

#include <QCoreApplication>

EventLoopWait::EventLoopWait()
{
    WakeUp.setSingleShot(true);
    WakeUp.setTimerType(Qt::PreciseTimer);
}

void EventLoopWait::Sleep(std::optional<std::chrono::nanoseconds> atMost)
{
    if (atMost) {
        // Whole milliseconds, rounded up: waking early would only mean
        // another wait.
        WakeUp.start(std::chrono::ceil<std::chrono::milliseconds>(*atMost));
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    WakeUp.stop();
}
