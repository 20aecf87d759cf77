#include "report_table.h"

#include <cmath>
#include <cstdio>

namespace {

// The targets, on software rendering at the designed window size.
constexpr double kLoopOverBareFrame = 1.10; // the loop's own work adds at most 10%
constexpr double kFollowOverLoop = 1.05;    // following adds at most 5% to the loop's ratio
constexpr double kPickOverFrame = 1.0;      // a pick costs at most one frame
constexpr double kPacedRateShortfall = 0.05; // within 5% of the rate paced to
constexpr double kPacedCpuPerSecond = 0.25;
constexpr double kHiddenCpuPerSecond = 0.01;
constexpr double kStartupOverMinimal = 1.15;
constexpr double kMemoryOverMinimal = 1.15;
// A year's events in well under half a second, and a period's cost in
// proportion to its length.
constexpr double kYearOfEventsSeconds = 0.5;
constexpr double kYearOfEventsShare = 0.5;
constexpr double kSpanOverYears = 1.10;

constexpr char kRowFormat[] = "%-40s %10s  %-32s %6s  %-7s %s\n";

QString Milliseconds(double seconds)
{
    return QStringLiteral("%1 ms").arg(seconds * 1e3, 0, 'f', 3);
}

QString Microseconds(double seconds)
{
    return QStringLiteral("%1 us").arg(seconds * 1e6, 0, 'f', 2);
}

QString Verdict(bool met)
{
    return met ? QStringLiteral("PASS") : QStringLiteral("MISS");
}

void PrintRow(const QString& measure, const QString& value, const QString& against = {},
              const QString& ratio = {}, const QString& target = {}, const QString& result = {})
{
    std::printf(kRowFormat, qPrintable(measure), qPrintable(value), qPrintable(against), qPrintable(ratio),
                qPrintable(target), qPrintable(result));
}

// A figure against its baseline, with the target for the ratio when it has one.
void PrintRatioRow(const QString& measure, const QString& value, const QString& against, double ratio,
                   std::optional<double> target)
{
    PrintRow(measure, value, against, QString::number(ratio, 'f', 3),
             target ? QStringLiteral("<= %1").arg(*target, 0, 'f', 2) : QString(),
             target ? Verdict(ratio <= *target) : QString());
}

void PrintFrameRows(const FrameTimes& times)
{
    const QString loop = Milliseconds(times.loopPass);
    PrintRatioRow(QStringLiteral("frame: RenderLoopPass, orbits on"), loop,
                  QStringLiteral("bare frame ") + Milliseconds(times.bareFrame), times.loopPass / times.bareFrame,
                  kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("frame: RenderLoopPass, orbits on"), loop,
                  QStringLiteral("empty frame ") + Milliseconds(times.emptyFrame),
                  times.loopPass / times.emptyFrame, std::nullopt);
    PrintRatioRow(QStringLiteral("frame: bare Render_glView1"), Milliseconds(times.bareFrame),
                  QStringLiteral("empty frame ") + Milliseconds(times.emptyFrame),
                  times.bareFrame / times.emptyFrame, std::nullopt);
    PrintRatioRow(QStringLiteral("sky: RenderLoopPass, real sky"), Milliseconds(times.skyLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.skyBareFrame),
                  times.skyLoopPass / times.skyBareFrame, kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("true orbits: RenderLoopPass, lines on"), Milliseconds(times.trueLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.trueBareFrame),
                  times.trueLoopPass / times.trueBareFrame, kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("true orbits: bare frame"), Milliseconds(times.trueBareFrame),
                  QStringLiteral("circles ") + Milliseconds(times.skyBareFrame),
                  times.trueBareFrame / times.skyBareFrame, std::nullopt);
    PrintRow(QStringLiteral("true orbits: nine lines built anew"), Milliseconds(times.trueLinesBuild));
    PrintRatioRow(QStringLiteral("eclipse: RenderLoopPass, spins, shadows"), Milliseconds(times.eclipseLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.eclipseBareFrame),
                  times.eclipseLoopPass / times.eclipseBareFrame, kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("eclipse: bare frame"), Milliseconds(times.eclipseBareFrame),
                  QStringLiteral("default bare frame ") + Milliseconds(times.bareFrame),
                  times.eclipseBareFrame / times.bareFrame, std::nullopt);
    PrintRatioRow(QStringLiteral("names: RenderLoopPass, names on"), Milliseconds(times.namesLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.namesBareFrame),
                  times.namesLoopPass / times.namesBareFrame, kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("sky backdrop: RenderLoopPass, all on"), Milliseconds(times.backdropLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.backdropBareFrame),
                  times.backdropLoopPass / times.backdropBareFrame, kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("moons: RenderLoopPass, all on"), Milliseconds(times.moonsLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.moonsBareFrame),
                  times.moonsLoopPass / times.moonsBareFrame, kLoopOverBareFrame);
    PrintRatioRow(QStringLiteral("follow: RenderLoopPass, Saturn, turned"), Milliseconds(times.followLoopPass),
                  QStringLiteral("bare frame ") + Milliseconds(times.followBareFrame),
                  times.followLoopPass / times.followBareFrame, kFollowOverLoop * times.loopPass / times.bareFrame);
    PrintRatioRow(QStringLiteral("follow: bare frame, Saturn, turned"), Milliseconds(times.followBareFrame),
                  QStringLiteral("at rest ") + Milliseconds(times.restBareFrame),
                  times.followBareFrame / times.restBareFrame, std::nullopt);
    PrintRatioRow(QStringLiteral("sky: animation step, real sky"), Microseconds(times.skyStep),
                  QStringLiteral("default step ") + Microseconds(times.defaultStep),
                  times.skyStep / times.defaultStep, std::nullopt);
    PrintRatioRow(times.pickHitsSun ? QStringLiteral("pick: glView1_MouseMove over the Sun")
                                    : QStringLiteral("pick: glView1_MouseMove (Sun NOT hit)"),
                  Milliseconds(times.pick), QStringLiteral("bare frame ") + Milliseconds(times.bareFrame),
                  times.pick / times.bareFrame, kPickOverFrame);
}

QString PerSecond(double value, const char* unit)
{
    return QStringLiteral("%1 %2").arg(value, 0, 'f', 3).arg(QLatin1String(unit));
}

void PrintPacingRows(const LoopCosts& costs)
{
    const double rateRatio = costs.paced.framesPerSecond / costs.pacedTo;
    PrintRow(QStringLiteral("paced: frames per second"), PerSecond(costs.paced.framesPerSecond, "fps"),
             QStringLiteral("refresh %1 Hz (screen reports %2)").arg(costs.pacedTo).arg(costs.refreshRate),
             QString::number(rateRatio, 'f', 3), QStringLiteral("1 +- %1").arg(kPacedRateShortfall, 0, 'f', 2),
             Verdict(std::abs(rateRatio - 1) <= kPacedRateShortfall));
    PrintRow(QStringLiteral("paced: CPU s per wall s"), PerSecond(costs.paced.cpuPerSecond, "s/s"),
             QStringLiteral("unpaced %1 s/s").arg(costs.unpaced.cpuPerSecond, 0, 'f', 3),
             QString::number(costs.paced.cpuPerSecond / costs.unpaced.cpuPerSecond, 'f', 3),
             QStringLiteral("<= %1 s/s").arg(kPacedCpuPerSecond), Verdict(costs.paced.cpuPerSecond <= kPacedCpuPerSecond));
    PrintRow(QStringLiteral("unpaced (--max-fps 0): frames per second"), PerSecond(costs.unpaced.framesPerSecond, "fps"));
    const double fullRatio = costs.fullScreen.framesPerSecond / costs.pacedTo;
    PrintRow(QStringLiteral("full screen %1x%2: frames per second")
                 .arg(costs.fullScreenView.width())
                 .arg(costs.fullScreenView.height()),
             PerSecond(costs.fullScreen.framesPerSecond, "fps"), QStringLiteral("refresh %1 Hz").arg(costs.pacedTo),
             QString::number(fullRatio, 'f', 3), QStringLiteral("1 +- %1").arg(kPacedRateShortfall, 0, 'f', 2),
             Verdict(std::abs(fullRatio - 1) <= kPacedRateShortfall));
    PrintRow(QStringLiteral("full screen: CPU s per wall s"), PerSecond(costs.fullScreen.cpuPerSecond, "s/s"),
             QStringLiteral("window %1 s/s").arg(costs.paced.cpuPerSecond, 0, 'f', 3),
             QString::number(costs.fullScreen.cpuPerSecond / costs.paced.cpuPerSecond, 'f', 3));
    PrintRow(QStringLiteral("hidden: frames per second"), PerSecond(costs.hidden.framesPerSecond, "fps"), {}, {},
             QStringLiteral("= 0"), Verdict(costs.hidden.framesPerSecond == 0));
    PrintRow(QStringLiteral("hidden: CPU s per wall s"), PerSecond(costs.hidden.cpuPerSecond, "s/s"), {}, {},
             QStringLiteral("< %1 s/s").arg(kHiddenCpuPerSecond),
             Verdict(costs.hidden.cpuPerSecond < kHiddenCpuPerSecond));
}

void PrintSpinRows(const std::array<SpinHour, 2>& hours)
{
    for (const SpinHour& hour : hours) {
        PrintRow(QStringLiteral("spins: real-time hour at %1 Hz, standstill").arg(hour.framesPerSecond),
                 QString::number(hour.worstStill, 'f', 3), QStringLiteral("of a float step, %1 frames").arg(hour.frames),
                 {}, QStringLiteral("<= 1"), Verdict(hour.worstStill <= 1));
        const double ratio = hour.earthTurned / hour.earthExpected;
        PrintRow(QStringLiteral("spins: the Earth's turn in it"), QStringLiteral("%1 deg").arg(hour.earthTurned, 0, 'f', 4),
                 QStringLiteral("rate x hour %1 deg").arg(hour.earthExpected, 0, 'f', 4), QString::number(ratio, 'f', 6),
                 QStringLiteral("1 +- 0.001"), Verdict(std::abs(ratio - 1) <= 0.001));
    }
}

void PrintProbeRows(const BenchResults& results)
{
    if (results.startup) {
        const ProbeComparison& startup = *results.startup;
        PrintRatioRow(QStringLiteral("start-up: launch to first swapped frame"),
                      QStringLiteral("%1 ms").arg(startup.program.startupMs, 0, 'f', 1),
                      QStringLiteral("minimal Qt %1 ms").arg(startup.minimal.startupMs, 0, 'f', 1),
                      startup.startupRatio, kStartupOverMinimal);
    } else {
        PrintRow(QStringLiteral("start-up: launch to first swapped frame"), QStringLiteral("probe failed"));
    }
    const QString memoryMeasure = QStringLiteral("memory: VmHWM after %1 frames").arg(results.memoryFrames);
    if (results.memory) {
        const ProbeComparison& memory = *results.memory;
        PrintRatioRow(memoryMeasure, QStringLiteral("%1 MiB").arg(memory.program.peakKiB / 1024, 0, 'f', 1),
                      QStringLiteral("minimal Qt %1 MiB").arg(memory.minimal.peakKiB / 1024, 0, 'f', 1),
                      memory.peakRatio, kMemoryOverMinimal);
    } else {
        PrintRow(memoryMeasure, QStringLiteral("probe failed"));
    }
}

// The allocation calls from the program's code, then the others and the frees.
void PrintAllocationRow(const QString& measure, const AllocationRate& rate)
{
    PrintRow(measure, QString::number(rate.program, 'f', 2),
             QStringLiteral("Qt %1, system %2, freed %3")
                 .arg(rate.qt, 0, 'f', 2)
                 .arg(rate.system, 0, 'f', 1)
                 .arg(rate.frees, 0, 'f', 1));
}

void PrintAllocationRows(const FrameAllocations& allocations)
{
    PrintAllocationRow(QStringLiteral("heap: RenderLoopPass"), allocations.loopPass);
    PrintAllocationRow(QStringLiteral("heap:   processEvents"), allocations.processEvents);
    PrintAllocationRow(QStringLiteral("heap:   animation step"), allocations.animationStep);
    PrintAllocationRow(QStringLiteral("heap:   Render_glView1"), allocations.renderFrame);
    PrintAllocationRow(QStringLiteral("heap: glView1_MouseMove"), allocations.pick);
    // The program's own code in a frame: what it allocates itself and what
    // Qt allocates for it; the driver's own bookkeeping is not its code.
    const AllocationRate& step = allocations.animationStep;
    const AllocationRate& frame = allocations.renderFrame;
    const double own = step.program + step.qt + frame.program + frame.qt;
    PrintRow(QStringLiteral("heap: program's own code per frame"), QString::number(own, 'f', 2),
             QStringLiteral("animation step + Render_glView1"), {}, QStringLiteral("= 0"), Verdict(own == 0));
}

void PrintEventRows(const EventSearchTimes& events)
{
    PrintRatioRow(QStringLiteral("events: one year (2027), every kind"), Milliseconds(events.year),
                  QStringLiteral("%1 events; 500 ms").arg(events.yearEvents), events.year / kYearOfEventsSeconds,
                  kYearOfEventsShare);
    PrintRatioRow(QStringLiteral("events: 1885-2099, every kind"), QStringLiteral("%1 s").arg(events.span, 0, 'f', 2),
                  QStringLiteral("%1 events; %2 years at 2027's")
                      .arg(events.spanEvents)
                      .arg(events.spanYears, 0, 'f', 0),
                  events.span / (events.spanYears * events.year), kSpanOverYears);
}

} // namespace

void PrintReport(const BenchResults& results)
{
    std::printf("Il sistema solare: benchmark on %s\n", qPrintable(results.setup));
    std::printf("times: medians of %d calls each\n", results.timedCalls);
    std::printf("paced, unpaced, hidden: the loop run for %.0f s each, frames swapped and the process's CPU time "
                "(getrusage) per second of wall time\n",
                results.pacingSeconds);
    std::printf("start-up, memory: medians of %d and %d launches; their ratios are the medians of the ratios "
                "within each pair of launches\n",
                results.startupLaunches, results.memoryLaunches);
    std::printf("heap: the main thread's allocation calls (new, malloc and kin) per call over %d calls, by caller: "
                "value = the program's code, then Qt's and the system's (OpenGL driver, X, C library)\n\n",
                results.countedCalls);
    PrintRow(QStringLiteral("measure"), QStringLiteral("value"), QStringLiteral("against"), QStringLiteral("ratio"),
             QStringLiteral("target"), QStringLiteral("result"));
    PrintFrameRows(results.times);
    PrintPacingRows(results.pacing);
    PrintSpinRows(results.spinHours);
    PrintEventRows(results.events);
    PrintProbeRows(results);
    PrintAllocationRows(results.allocations);
}
