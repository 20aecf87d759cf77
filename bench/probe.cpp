#include "probe.h"

#include <QFile>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr char kReportTag[] = "probe-report";

// The peak resident set size from /proc/self/status, in KiB.
double PeakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
        }
    }
    return 0;
}

} // namespace

std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

std::optional<ProbeArguments> ParseProbeArguments(int argc, char* argv[], int first)
{
    if (argc < first + 2) {
        return std::nullopt;
    }
    bool launchOk = false;
    bool framesOk = false;
    const ProbeArguments arguments{QByteArray(argv[first]).toLongLong(&launchOk),
                                   QByteArray(argv[first + 1]).toInt(&framesOk)};
    if (!launchOk || !framesOk || arguments.frames < 1) {
        return std::nullopt;
    }
    return arguments;
}

int RunProbeFrames(const ProbeArguments& arguments, const std::function<void()>& drawFrame)
{
    drawFrame();
    const double startupMs = static_cast<double>(MonotonicNanoseconds() - arguments.launchedAt) / 1e6;
    for (int frame = 1; frame < arguments.frames; ++frame) {
        drawFrame();
    }
    std::printf("%s %.3f %.0f\n", kReportTag, startupMs, PeakResidentKiB());
    std::fflush(stdout);
    return EXIT_SUCCESS;
}

std::optional<ProbeReport> ParseProbeReport(const QByteArray& output)
{
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 3 && fields[0] == kReportTag) {
            return ProbeReport{fields[1].toDouble(), fields[2].toDouble()};
        }
    }
    return std::nullopt;
}
