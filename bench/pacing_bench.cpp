#include "frame_bench.h"

#include "gl_view.h"
#include "window_parts.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QScreen>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>

namespace {

constexpr int kFullScreenTimeoutMs = 5000;

using Clock = std::chrono::steady_clock;

// CPU seconds of the whole process (every thread, the driver's too).
double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// What the loop drew and cost from its construction to Take().
class CostMeter {
public:
    explicit CostMeter(const FramePacer& pacer)
        : Pacer(pacer), Swaps(pacer.Swaps()), Cpu(ProcessCpuSeconds()), Start(Clock::now())
    {
    }

    LoopCost Take() const
    {
        const double wall = std::chrono::duration<double>(Clock::now() - Start).count();
        return {static_cast<double>(Pacer.Swaps() - Swaps) / wall, (ProcessCpuSeconds() - Cpu) / wall};
    }

private:
    const FramePacer& Pacer;
    std::int64_t Swaps;
    double Cpu;
    Clock::time_point Start;
};

} // namespace

LoopCost WindowBench::RunLoopFor(double seconds)
{
    const CostMeter meter(window->Loop.Pacer);
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        window->RenderLoopPass();
    }
    return meter.Take();
}

LoopCosts WindowBench::MeasurePacing(double seconds)
{
    LoopCosts costs;
    costs.refreshRate = Ui(*window).glView1->screen()->refreshRate();
    window->Loop.Pacer.SetCeiling(std::nullopt);
    costs.paced = RunLoopFor(seconds);
    costs.pacedTo = window->Loop.Pacer.FramesPerSecond();
    window->Loop.Pacer.SetCeiling(0);
    costs.unpaced = RunLoopFor(seconds);

    // Hidden: the loop sleeps until the window is shown again.
    window->hide();
    const CostMeter meter(window->Loop.Pacer);
    bool measured = false;
    const auto hiddenFor = std::chrono::round<std::chrono::milliseconds>(std::chrono::duration<double>(seconds));
    QTimer::singleShot(hiddenFor, window.get(), [&] {
        costs.hidden = meter.Take();
        measured = true;
        window->show();
    });
    while (!measured) {
        window->RenderLoopPass();
    }

    // Full screen, paced like the window. Xvfb has no window manager to give
    // a full-screen window the screen, so the benchmark does.
    Vista(*window).mnuschermo->trigger();
    const QRect screen = window->screen()->geometry();
    window->setGeometry(screen);
    const QDeadlineTimer deadline(kFullScreenTimeoutMs);
    while (Ui(*window).glView1->size() != screen.size() && !deadline.hasExpired()) {
        window->RenderLoopPass();
    }
    costs.fullScreenView = Ui(*window).glView1->size() * Ui(*window).glView1->devicePixelRatio();
    window->Loop.Pacer.SetCeiling(std::nullopt);
    costs.fullScreen = RunLoopFor(seconds);
    window->Loop.Pacer.SetCeiling(0);
    Vista(*window).mnuesci->trigger();
    return costs;
}
