#pragma once

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <optional>

// The exchange between the benchmark and a probe, a child process it launches
// to time a program's start-up and weigh its memory. The benchmark passes the
// moment of the launch and a number of frames; the probe draws that many
// frames and prints one line with two figures.

struct ProbeArguments {
    std::int64_t launchedAt = 0; // monotonic nanoseconds, taken by the parent
    int frames = 1;
};

struct ProbeReport {
    double startupMs = 0;   // launch to the return of the first frame's swap
    double peakKiB = 0;     // VmHWM after the last frame
};

// The system-wide monotonic clock, comparable between processes.
std::int64_t MonotonicNanoseconds();

// The arguments as given to the probe from argv[first] on.
std::optional<ProbeArguments> ParseProbeArguments(int argc, char* argv[], int first);

// Draws `frames` frames with `drawFrame`, each of which ends with a swap, and
// prints the report. Returns the process's exit status.
int RunProbeFrames(const ProbeArguments& arguments, const std::function<void()>& drawFrame);

// The report in a probe's output.
std::optional<ProbeReport> ParseProbeReport(const QByteArray& output);
