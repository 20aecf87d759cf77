#pragma once

#include "frame_pacer.h"
#include "loop_wait.h"

#include <functional>
#include <memory>

// The render loop's yield and its pacing. Each pass handles the pending
// events, then sleeps in the event loop until the view is in sight and the
// next frame is due. While the view is out of sight no timer runs and the
// frame timer is paused, so that the animation goes on from where it stood.
class RenderLoop {
public:
    // What the loop asks of the view it paces.
    struct View {
        std::function<bool()> shown;         // in sight on the screen now
        std::function<double()> refreshRate; // its screen's reported rate; 0 when unknown
    };

    explicit RenderLoop(View view);

    // Yields, waits for the next frame and starts it: the pacer schedules the
    // one after, the frame timer measures this one. False when `done` became
    // true meanwhile; then no frame starts.
    bool NextFrame(const bool& done);

    // Around the buffer swap, so that the pacer learns whether it blocks.
    template <typename Swap> void Swapped(Swap&& swap)
    {
        Pacer.SwapStarted();
        swap();
        Pacer.SwapEnded();
    }

    FramePacer Pacer;
    std::unique_ptr<LoopWait> Wait = std::make_unique<EventLoopWait>();

private:
    void WaitForFrame(const bool& done);

    View Shown;
    bool ViewHidden = false; // the loop holds the timer's pause for the hidden view
};
