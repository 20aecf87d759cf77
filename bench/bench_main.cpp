// solar-bench: how much the program's own work costs next to the OpenGL work
// it asks for, and next to the least a Qt OpenGL program needs.
//
//   solar-bench                                     runs everything, prints the table
//   solar-bench --startup-probe <launch ns> <frames> the real window's start-up as a probe

#include "events_bench.h"
#include "frame_bench.h"
#include "planet_catalogue.h"
#include "probe_runs.h"
#include "report_table.h"
#include "spin_bench.h"
#include "startup_probe.h"
#include "window_font.h"
#include "xp_module.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Enough for stable medians on software rendering, in well under a minute.
constexpr int kTimedCalls = 1000;
constexpr int kCountedCalls = 200;
constexpr int kStartupLaunches = 15;
constexpr int kMemoryLaunches = 3;
constexpr int kMemoryFrames = 1000;
constexpr double kPacingSeconds = 5;

} // namespace

int main(int argc, char* argv[])
{
    const bool probe = argc > 1 && std::strcmp(argv[1], kStartupProbeOption) == 0;
    const std::optional<ProbeArguments> probeArguments =
        probe ? ParseProbeArguments(argc, argv, 2) : std::nullopt;
    if (probe && !probeArguments) {
        std::fprintf(stderr, "usage: solar-bench [%s <launch moment, monotonic ns> <frames>]\n", kStartupProbeOption);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    UseWindowFont(); // the window as the program shows it, and its start-up as the program runs it
    if (probeArguments) {
        return RunStartupProbe(*probeArguments);
    }

    BenchResults results;
    {
        XPModule::ResetViewSettings();
        XPModule::InitPlanetData();
        WindowBench bench;
        if (!bench.Loaded()) {
            std::fputs("solar-bench: the main window did not come up on the display\n", stderr);
            return EXIT_FAILURE;
        }
        results.setup = bench.Description();
        results.timedCalls = kTimedCalls;
        results.times = bench.MeasureTimes(kTimedCalls);
        bench.MeasureFollowTimes(kTimedCalls, results.times);
        results.countedCalls = kCountedCalls;
        results.allocations = bench.CountAllocations(kCountedCalls);
        results.pacingSeconds = kPacingSeconds;
        results.pacing = bench.MeasurePacing(kPacingSeconds);
        bench.MeasureSkyTimes(kTimedCalls, results.times);
        bench.MeasureTrueOrbitTimes(kTimedCalls, results.times);
        bench.MeasureEclipseTimes(kTimedCalls, results.times);
        bench.MeasureNameTimes(kTimedCalls, results.times);
        bench.MeasureSkyBackdropTimes(kTimedCalls, results.times);
        bench.MeasureMoonTimes(kTimedCalls, results.times);
    } // the window closes before the probes compete for the processor

    results.spinHours = {RunSpinHour(60, XPModule::SecondsPerYear), RunSpinHour(144, XPModule::SecondsPerYear)};
    results.events = MeasureEventSearch();
    results.startupLaunches = kStartupLaunches;
    results.startup = CompareProbes(kStartupLaunches, 1);
    results.memoryLaunches = kMemoryLaunches;
    results.memoryFrames = kMemoryFrames;
    results.memory = CompareProbes(kMemoryLaunches, kMemoryFrames);
    PrintReport(results);
    return EXIT_SUCCESS;
}
