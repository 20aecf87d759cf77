#pragma once

#include <QPointF>
#include <QSize>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

class QAction;

class OGLWin;

// Median seconds per call. The kinds take turns call by call, so that a slow
// spell of the machine weighs on all of them alike.
struct FrameTimes {
    double loopPass = 0;   // RenderLoopPass with the orbit lines shown
    double bareFrame = 0;  // Render_glView1 alone, the context already current
    double emptyFrame = 0; // glClear and swapBuffers on the view's surface
    double pick = 0;       // glView1_MouseMove with the pointer resting on the Sun
    bool pickHitsSun = false;
    // Once the sky is real: the loop's pass and the bare frame again, and
    // the animation step with the sky's clock against the default step.
    double skyLoopPass = 0;
    double skyBareFrame = 0;
    double skyStep = 0;
    double defaultStep = 0;
    // With "Nomi dei corpi" on: the loop's pass, against the bare frame
    // without the names.
    double namesLoopPass = 0;
    double namesBareFrame = 0;
    // With "Stelle", "Costellazioni" and "Via Lattea" on: the loop's pass,
    // against the bare frame without them.
    double backdropLoopPass = 0;
    double backdropBareFrame = 0;
    // With "Lune dei pianeti" on: the loop's pass, against the bare frame
    // without them.
    double moonsLoopPass = 0;
    double moonsBareFrame = 0;
    // Following Saturn with the scene turned: the loop's pass and the bare
    // frame, and the bare frame of the view at rest alongside.
    double followLoopPass = 0;
    double followBareFrame = 0;
    double restBareFrame = 0;
    // With "Orbite vere" and the orbit lines, the sky real: the loop's pass
    // and the bare frame, and the nine true lines built from nothing.
    double trueLoopPass = 0;
    double trueBareFrame = 0;
    double trueLinesBuild = 0;
    // At the solar eclipse of 2027-08-02 with "Orbite vere": the loop's
    // pass, its true spins and shadows included, and its bare frame.
    double eclipseLoopPass = 0;
    double eclipseBareFrame = 0;
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

// What the render loop draws and costs per second of wall time.
struct LoopCost {
    double framesPerSecond = 0;
    double cpuPerSecond = 0; // CPU seconds of the process (getrusage)
};

// The loop paced to the screen, without a ceiling (the old loop), and while
// the window is hidden.
struct LoopCosts {
    double refreshRate = 0; // as the screen reports it
    double pacedTo = 0;     // the rate the pacer used
    LoopCost paced;
    LoopCost unpaced;
    LoopCost hidden;
    LoopCost fullScreen; // paced, the view filling the screen
    QSize fullScreenView; // device pixels
};

// The real main window, loaded, shown and warmed up, with the orbit lines on.
// Its loop runs without a ceiling, except where pacing is measured.
class WindowBench {
public:
    WindowBench();
    ~WindowBench();

    bool Loaded() const { return loaded; }

    // The OpenGL renderer and the view's size in device pixels.
    QString Description() const;

    FrameTimes MeasureTimes(int calls);
    // Makes the sky real, then measures the sky's figures of `times`.
    void MeasureSkyTimes(int calls, FrameTimes& times);
    // Measures the true orbits' figures of `times` once the sky is real;
    // the circles are back afterwards.
    void MeasureTrueOrbitTimes(int calls, FrameTimes& times);
    // Measures the eclipse's figures of `times`; the circles are back
    // afterwards.
    void MeasureEclipseTimes(int calls, FrameTimes& times);
    // Measures the names' figures of `times`, the names switched on for the
    // loop's passes only.
    void MeasureNameTimes(int calls, FrameTimes& times);
    // The same for the sky behind the bodies, its three items on.
    void MeasureSkyBackdropTimes(int calls, FrameTimes& times);
    // The same for the planets' moons.
    void MeasureMoonTimes(int calls, FrameTimes& times);
    // Measures the following figures of `times`; the view is at rest again
    // afterwards.
    void MeasureFollowTimes(int calls, FrameTimes& times);
    FrameAllocations CountAllocations(int calls);
    LoopCosts MeasurePacing(double seconds);

private:
    // The loop's pass with `items` on and the bare frame with them off, medians.
    // Medians of the loop's pass and of the bare frame, call by call in turn.
    std::pair<double, double> MeasureLoopAndFrame(int calls);
    std::pair<double, double> MeasureWithItems(int calls, const std::vector<QAction*>& items);
    void EmptyFrame();
    void PickSun();
    LoopCost RunLoopFor(double seconds);

    std::unique_ptr<OGLWin> window;
    QPointF sunOnView; // logical pixels, as mouse events give them
    bool loaded = false;
};
