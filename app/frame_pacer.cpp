#include "frame_pacer.h"

#include <algorithm>
#include <cmath>

namespace {

// A swap that takes at least this share of the screen's refresh period waits
// for the screen.
constexpr double kBlockingShare = 0.5;
// Blocking swaps in a row before the pacer leaves the pacing to them.
constexpr int kBlockingSwapsInARow = 3;

} // namespace

double FramePacer::UsableRefreshRate(double reported)
{
    if (!(reported > 0) || !std::isfinite(reported)) {
        return kDefaultRefreshRate;
    }
    return std::clamp(reported, kLowestRefreshRate, kHighestRefreshRate);
}

FramePacer::FramePacer(PerformanceCounter& counter) : Counter(&counter) {}

void FramePacer::SetCeiling(std::optional<int> framesPerSecond)
{
    Ceiling = framesPerSecond;
    Restart();
}

void FramePacer::FollowScreen(double reportedRefreshRate)
{
    const double rate = UsableRefreshRate(reportedRefreshRate);
    if (rate != ScreenRate) {
        ScreenRate = rate;
        Restart();
    }
}

double FramePacer::FramesPerSecond() const
{
    if (Ceiling) {
        return std::max(*Ceiling, 0);
    }
    return ScreenRate;
}

double FramePacer::PeriodTicks() const
{
    const double rate = FramesPerSecond();
    if (rate <= 0) {
        return 0;
    }
    return static_cast<double>(Counter->Frequency()) / rate;
}

std::int64_t FramePacer::DueTime(std::int64_t frame) const
{
    return GridStart + std::llround(static_cast<double>(frame) * PeriodTicks());
}

std::int64_t FramePacer::TicksUntilDue()
{
    // A swap that waits for the screen paces at the screen's rate, so it may
    // take over only where the pacer asks for no fewer frames than that.
    const bool swapTakesOver = SwapPaces() && FramesPerSecond() >= ScreenRate;
    if (!Scheduled || PeriodTicks() <= 0 || swapTakesOver) {
        return 0;
    }
    return std::max<std::int64_t>(DueTime(NextFrame) - Counter->Count(), 0);
}

std::chrono::nanoseconds FramePacer::Duration(std::int64_t ticks) const
{
    const std::int64_t frequency = Counter->Frequency();
    if (frequency <= 0) {
        return std::chrono::nanoseconds(0);
    }
    const double seconds = static_cast<double>(ticks) / static_cast<double>(frequency);
    return std::chrono::nanoseconds(std::llround(seconds * 1e9));
}

void FramePacer::FrameStarted()
{
    if (PeriodTicks() <= 0) {
        return;
    }
    const std::int64_t now = Counter->Count();
    if (!Scheduled || DueTime(NextFrame + 1) <= now) {
        GridStart = now;
        NextFrame = 1;
        Scheduled = true;
    } else {
        ++NextFrame;
    }
}

void FramePacer::Restart()
{
    Scheduled = false;
}

void FramePacer::SwapStarted()
{
    SwapStart = Counter->Count();
}

void FramePacer::SwapEnded()
{
    ++SwapCount;
    const double screenPeriod = static_cast<double>(Counter->Frequency()) / ScreenRate;
    const auto blocked = static_cast<double>(Counter->Count() - SwapStart);
    if (blocked >= kBlockingShare * screenPeriod) {
        BlockingSwaps = std::min(BlockingSwaps + 1, kBlockingSwapsInARow);
    } else {
        BlockingSwaps = 0;
    }
}

bool FramePacer::SwapPaces() const
{
    return BlockingSwaps >= kBlockingSwapsInARow;
}
