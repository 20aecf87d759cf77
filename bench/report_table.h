#pragma once

#include "events_bench.h"
#include "frame_bench.h"
#include "probe_runs.h"
#include "spin_bench.h"

#include <QString>

#include <array>
#include <optional>

// Everything one run of the benchmark measured, and how.
struct BenchResults {
    QString setup; // renderer and view size
    int timedCalls = 0;
    FrameTimes times;
    int countedCalls = 0;
    FrameAllocations allocations;
    double pacingSeconds = 0;
    LoopCosts pacing;
    int startupLaunches = 0;
    std::optional<ProbeComparison> startup;
    int memoryLaunches = 0;
    int memoryFrames = 0;
    std::optional<ProbeComparison> memory;
    EventSearchTimes events;
    std::array<SpinHour, 2> spinHours;
};

// Prints the results as one table, each compared figure with its ratio, its
// target and PASS or MISS.
void PrintReport(const BenchResults& results);
