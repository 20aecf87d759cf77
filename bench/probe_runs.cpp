#include "probe_runs.h"

#include "startup_probe.h"
#include "timing.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

constexpr int kProbeTimeoutMs = 60'000;

std::optional<ProbeReport> LaunchProbe(const QString& program, QStringList arguments, int frames)
{
    QProcess process;
    const std::int64_t launchedAt = MonotonicNanoseconds();
    arguments << QString::number(launchedAt) << QString::number(frames);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kProbeTimeoutMs);
    const std::optional<ProbeReport> report = ParseProbeReport(process.readAllStandardOutput());
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !report) {
        std::fprintf(stderr, "probe %s failed (%s):\n%s\n", qPrintable(program), qPrintable(process.errorString()),
                     process.readAllStandardError().constData());
        return std::nullopt;
    }
    return report;
}

// One probe's reports, figure by figure.
struct ReportSamples {
    std::vector<double> startupMs;
    std::vector<double> peakKiB;

    void Add(const ProbeReport& report)
    {
        startupMs.push_back(report.startupMs);
        peakKiB.push_back(report.peakKiB);
    }

    ProbeReport Medians() const { return {Median(startupMs), Median(peakKiB)}; }
};

} // namespace

std::optional<ProbeComparison> CompareProbes(int launches, int frames)
{
    const QString self = QCoreApplication::applicationFilePath();
    const QString minimal = QCoreApplication::applicationDirPath() + QStringLiteral("/solar-bench-minimal");
    ReportSamples programSamples;
    ReportSamples minimalSamples;
    std::vector<double> startupRatios;
    std::vector<double> peakRatios;
    // The first pair only warms the file and shader caches for both.
    for (int launch = -1; launch < launches; ++launch) {
        const std::optional<ProbeReport> program =
            LaunchProbe(self, {QString::fromLatin1(kStartupProbeOption)}, frames);
        const std::optional<ProbeReport> bare = LaunchProbe(minimal, {}, frames);
        if (!program || !bare) {
            return std::nullopt;
        }
        if (launch < 0) {
            continue;
        }
        programSamples.Add(*program);
        minimalSamples.Add(*bare);
        startupRatios.push_back(program->startupMs / bare->startupMs);
        peakRatios.push_back(program->peakKiB / bare->peakKiB);
    }
    return ProbeComparison{programSamples.Medians(), minimalSamples.Medians(), Median(startupRatios),
                           Median(peakRatios)};
}
