#pragma once

#include "performance_counter.h"

#include <chrono>
#include <cstdint>
#include <optional>

// When the render loop may draw its next frame: at most one frame per refresh
// period of the screen, or per period of a ceiling the user chose. Frames are
// due on a fixed grid of counter readings, so waits do not drift; a frame that
// starts a whole period late starts a new grid, so there is never a burst of
// catch-up frames. Where the buffer swap itself waits for the screen and the
// pacer would pace no slower than the screen, the pacer does not wait on top
// of it; a ceiling below the screen's rate is kept by the pacer.
class FramePacer {
public:
    static constexpr double kDefaultRefreshRate = 60;
    static constexpr double kLowestRefreshRate = 20;
    static constexpr double kHighestRefreshRate = 500;

    // A screen's reported refresh rate as one the loop can pace to: the
    // default when the report is not a positive number, otherwise clamped.
    static double UsableRefreshRate(double reported);

    explicit FramePacer(PerformanceCounter& counter);

    // Empty: one frame per refresh of the screen; 0: no pacing at all;
    // otherwise at most that many frames per second.
    void SetCeiling(std::optional<int> framesPerSecond);
    // The refresh rate the view's screen reports now; a change starts a new grid.
    void FollowScreen(double reportedRefreshRate);
    // The rate frames are paced to; 0 when they are not paced.
    double FramesPerSecond() const;

    // Counter ticks until the next frame is due; 0 when it may start now.
    std::int64_t TicksUntilDue();
    std::chrono::nanoseconds Duration(std::int64_t ticks) const;
    // A frame starts now: schedules the next one.
    void FrameStarted();
    // The next frame is due at once, and a new grid starts with it (the view
    // was hidden, or the rate changed).
    void Restart();

    // Around each buffer swap: measures whether the swap blocks.
    void SwapStarted();
    void SwapEnded();
    // The swap has blocked for most of a refresh period of the screen several
    // times in a row: it waits for the screen.
    bool SwapPaces() const;
    std::int64_t Swaps() const { return SwapCount; }

private:
    double PeriodTicks() const;
    std::int64_t DueTime(std::int64_t frame) const;

    PerformanceCounter* Counter;
    std::optional<int> Ceiling;
    double ScreenRate = kDefaultRefreshRate;
    bool Scheduled = false;
    std::int64_t GridStart = 0;
    std::int64_t NextFrame = 0; // index on the grid of the next frame
    std::int64_t SwapStart = 0;
    int BlockingSwaps = 0;
    std::int64_t SwapCount = 0;
};
