#pragma once

#include <QTimer>

#include <chrono>
#include <optional>

// How the render loop waits between frames: inside Qt's event loop, so that
// every event is handled the moment it arrives. Tests put a wait on a fake
// clock in its place.
class LoopWait {
public:
    virtual ~LoopWait() = default;
    // Handles events until some have arrived or, when a time is given, that
    // time has passed.
    virtual void Sleep(std::optional<std::chrono::nanoseconds> atMost) = 0;
};

// The wait of the real program: without a time limit no timer runs, so
// nothing but an event wakes the process.
class EventLoopWait final : public LoopWait {
public:
    EventLoopWait();
    void Sleep(std::optional<std::chrono::nanoseconds> atMost) override;

private:
    QTimer WakeUp;
};
