#pragma once

#include <QPointF>
#include <QString>

#include <memory>

class OGLWin;

// Median seconds per call. The kinds take turns call by call, so that a slow
// spell of the machine weighs on all of them alike.
struct FrameTimes {
    double loopPass = 0;   // RenderLoopPass with the orbit lines shown
    double bareFrame = 0;  // Render_glView1 alone, the context already current
    double emptyFrame = 0; // glClear and swapBuffers on the view's surface
    double pick = 0;       // glView1_MouseMove with the pointer resting on the Sun
    bool pickHitsSun = false;
};

// Heap allocations of the main thread per call, in the steady state, by the
// code that called the allocator (see AllocationCount).
struct AllocationRate {
    double program = 0;
    double qt = 0;
    double system = 0; // the OpenGL driver, X, the C library
    double frees = 0;
};

struct FrameAllocations {
    AllocationRate loopPass;      // RenderLoopPass
    AllocationRate processEvents; // Qt's event processing that opens each pass
    AllocationRate animationStep; // frame timer update and AdvanceAnimation
    AllocationRate renderFrame;   // Render_glView1
    AllocationRate pick;          // glView1_MouseMove
};

// The real main window, loaded, shown and warmed up, with the orbit lines on.
class WindowBench {
public:
    WindowBench();
    ~WindowBench();

    bool Loaded() const { return loaded; }

    // The OpenGL renderer and the view's size in device pixels.
    QString Description() const;

    FrameTimes MeasureTimes(int calls);
    FrameAllocations CountAllocations(int calls);

private:
    void EmptyFrame();
    void PickSun();

    std::unique_ptr<OGLWin> window;
    QPointF sunOnView; // logical pixels, as mouse events give them
    bool loaded = false;
};
