#pragma once

#include "probe.h"

#include <optional>

// Median reports of the two probes: the real program's start-up in this
// benchmark's own binary, and solar-bench-minimal. The ratios are medians of
// the ratios within each pair of launches, which ran side by side in time
// and so share the machine's load.
struct ProbeComparison {
    ProbeReport program;
    ProbeReport minimal;
    double startupRatio = 0;
    double peakRatio = 0;
};

// Launches each probe `launches` times, the two in turns, each drawing
// `frames` frames. Nothing when a probe fails; its error output then goes
// to this process's.
std::optional<ProbeComparison> CompareProbes(int launches, int frames);
