#include "fake_counter.h"
#include "frame_pacer.h"
#include "frame_timer.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t kTicksPerSecond = 1'000'000'000; // the system counter's nanoseconds

enum class SwapWait { None, NextRefresh, WholeRefresh };

// A pacer on a fresh counter of the system's ticks.
struct Pacing {
    FakeCounter counter{kTicksPerSecond};
    FramePacer pacer{counter};
};

// Follows a 60 Hz screen under `ceiling` frames a second (-1: none).
void AtSixtyHertz(FramePacer& pacer, int ceiling)
{
    pacer.FollowScreen(60);
    if (ceiling >= 0) {
        pacer.SetCeiling(ceiling);
    }
}

} // namespace

Q_DECLARE_METATYPE(OGLModule::TimerPause)
Q_DECLARE_METATYPE(SwapWait)

class FramePacingTest : public QObject {
    Q_OBJECT

private slots:
    void absurdRefreshRatesGetTheDefaultOrAClamp_data()
    {
        QTest::addColumn<double>("reported");
        QTest::addColumn<double>("used");
        QTest::newRow("nothing reported") << 0.0 << 60.0;
        QTest::newRow("negative") << -60.0 << 60.0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 60.0;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 60.0;
        QTest::newRow("1000 Hz") << 1000.0 << 500.0;
        QTest::newRow("1 Hz") << 1.0 << 20.0;
        QTest::newRow("59.94 Hz") << 59.94 << 59.94;
        QTest::newRow("144 Hz") << 144.0 << 144.0;
    }

    void absurdRefreshRatesGetTheDefaultOrAClamp()
    {
        QFETCH(double, reported);
        QFETCH(double, used);
        auto [counter, pacer] = Pacing{};
        pacer.FollowScreen(reported);
        QCOMPARE(pacer.FramesPerSecond(), used);
        // Paced, never a busy loop or a division by zero: the second frame waits.
        pacer.FrameStarted();
        const std::int64_t wait = pacer.TicksUntilDue();
        QCOMPARE(wait, std::llround(kTicksPerSecond / used));
        QCOMPARE(pacer.Duration(wait).count(), wait);
    }

    void dueTimesDoNotDriftOver10000Frames()
    {
        auto [counter, pacer] = Pacing{};
        pacer.FollowScreen(59.94); // a period of no whole number of ticks
        const std::int64_t start = counter.now;
        constexpr int kFrames = 10'000;
        for (int frame = 0; frame < kFrames; ++frame) {
            counter.now += pacer.TicksUntilDue();
            // Wake-ups come late by up to a third of a period.
            counter.now += (frame * 7919) % 5'000'000;
            pacer.FrameStarted();
        }
        counter.now += pacer.TicksUntilDue();
        QCOMPARE(counter.now - start, std::llround(kFrames * (kTicksPerSecond / 59.94)));
    }

    void aFrameThatOverranIsFollowedAtOnceThenByOnePeriod()
    {
        auto [counter, pacer] = Pacing{};
        pacer.SetCeiling(100); // 10 ms
        pacer.FrameStarted();
        counter.now += 35'000'000; // the frame took three and a half periods
        QCOMPARE(pacer.TicksUntilDue(), 0);
        pacer.FrameStarted();
        // No catch-up: a whole period to the next frame, and to the one after.
        QCOMPARE(pacer.TicksUntilDue(), 10'000'000);
        counter.now += 10'000'000;
        pacer.FrameStarted();
        QCOMPARE(pacer.TicksUntilDue(), 10'000'000);

        // A frame a little late keeps the grid: the next one comes sooner.
        counter.now += 14'000'000;
        QCOMPARE(pacer.TicksUntilDue(), 0);
        pacer.FrameStarted();
        QCOMPARE(pacer.TicksUntilDue(), 6'000'000);
    }

    void noCeilingNeverWaits()
    {
        auto [counter, pacer] = Pacing{};
        pacer.SetCeiling(0);
        QCOMPARE(pacer.FramesPerSecond(), 0.0);
        for (int frame = 0; frame < 3; ++frame) {
            pacer.FrameStarted();
            QCOMPARE(pacer.TicksUntilDue(), 0);
        }
    }

    // A 60 Hz screen. A swap returns at once (no vsync), at the screen's next
    // refresh, or after a whole refresh (a queue of presented frames that is
    // full). Drawing takes 2 ms.
    void theRateOnAScreenWithAndWithoutVsync_data()
    {
        QTest::addColumn<SwapWait>("swapWait");
        QTest::addColumn<int>("ceiling"); // -1: none, follow the screen
        QTest::addColumn<double>("framesPerSecond");
        QTest::newRow("next refresh, the screen's rate") << SwapWait::NextRefresh << -1 << 60.0;
        QTest::newRow("next refresh, no pacing") << SwapWait::NextRefresh << 0 << 60.0;
        QTest::newRow("next refresh, 30 below the refresh") << SwapWait::NextRefresh << 30 << 30.0;
        QTest::newRow("next refresh, 60 at the refresh") << SwapWait::NextRefresh << 60 << 60.0;
        QTest::newRow("next refresh, 120 above the refresh") << SwapWait::NextRefresh << 120 << 60.0;
        QTest::newRow("whole refresh, 30 below the refresh") << SwapWait::WholeRefresh << 30 << 30.0;
        QTest::newRow("whole refresh, 50 below the refresh") << SwapWait::WholeRefresh << 50 << 50.0;
        QTest::newRow("whole refresh, no pacing") << SwapWait::WholeRefresh << 0 << 1000 / (2 + 1000 / 60.0);
        QTest::newRow("no vsync, the screen's rate") << SwapWait::None << -1 << 60.0;
        QTest::newRow("no vsync, 50") << SwapWait::None << 50 << 50.0;
    }

    void theRateOnAScreenWithAndWithoutVsync()
    {
        QFETCH(SwapWait, swapWait);
        QFETCH(int, ceiling);
        QFETCH(double, framesPerSecond);
        auto [counter, pacer] = Pacing{};
        AtSixtyHertz(pacer, ceiling);
        const double refresh = kTicksPerSecond / 60.0;
        const auto frame = [&] {
            counter.now += pacer.TicksUntilDue();
            pacer.FrameStarted();
            counter.now += 2'000'000;
            pacer.SwapStarted();
            if (swapWait == SwapWait::NextRefresh) {
                counter.now = std::llround(std::ceil(static_cast<double>(counter.now) / refresh) * refresh);
            } else if (swapWait == SwapWait::WholeRefresh) {
                counter.now += std::llround(refresh);
            }
            pacer.SwapEnded();
        };
        for (int settle = 0; settle < 10; ++settle) {
            frame();
        }
        const std::int64_t start = counter.now;
        const std::int64_t swaps = pacer.Swaps();
        while (counter.now - start < 10 * kTicksPerSecond) {
            frame();
        }
        const double seconds = static_cast<double>(counter.now - start) / kTicksPerSecond;
        const double measured = static_cast<double>(pacer.Swaps() - swaps) / seconds;
        QVERIFY2(std::abs(measured - framesPerSecond) < 0.5, qPrintable(QString::number(measured)));
    }

    // At 60 Hz: a swap that blocks for more than half a refresh, three times
    // in a row, waits for the screen, and the pacer stops waiting on top of
    // it, unless a ceiling below the screen's rate asks for fewer frames.
    void theSwapTakesOverOnlyWhenItWaitsForTheScreen_data()
    {
        QTest::addColumn<QList<int>>("swapMs");
        QTest::addColumn<int>("ceiling"); // -1: none, follow the screen
        QTest::addColumn<bool>("swapPaces");
        QTest::newRow("three of a refresh") << QList<int>{16, 16, 16} << -1 << true;
        QTest::newRow("three of 9 ms, over half") << QList<int>{9, 9, 9} << -1 << true;
        QTest::newRow("three of 8 ms, under half") << QList<int>{8, 8, 8} << -1 << false;
        QTest::newRow("only two") << QList<int>{16, 16} << -1 << false;
        QTest::newRow("a short one breaks the row") << QList<int>{16, 16, 1, 16, 16} << -1 << false;
        QTest::newRow("a ceiling at the screen's rate") << QList<int>{16, 16, 16} << 60 << true;
        QTest::newRow("a ceiling below it") << QList<int>{16, 16, 16} << 30 << false;
    }

    void theSwapTakesOverOnlyWhenItWaitsForTheScreen()
    {
        QFETCH(QList<int>, swapMs);
        QFETCH(int, ceiling);
        QFETCH(bool, swapPaces);
        auto [counter, pacer] = Pacing{};
        AtSixtyHertz(pacer, ceiling);
        for (const int milliseconds : swapMs) {
            pacer.FrameStarted();
            pacer.SwapStarted();
            counter.now += milliseconds * 1'000'000;
            pacer.SwapEnded();
        }
        pacer.FrameStarted();
        QCOMPARE(pacer.TicksUntilDue() == 0, swapPaces);
    }

    void thePausesOfHiddenViewAndPictureWindowDoNotEndEachOther_data()
    {
        QTest::addColumn<OGLModule::TimerPause>("first");
        QTest::addColumn<OGLModule::TimerPause>("second");
        QTest::newRow("hidden while the picture window is open")
            << OGLModule::TimerPause::PictureWindow << OGLModule::TimerPause::HiddenView;
        QTest::newRow("picture window opened while hidden")
            << OGLModule::TimerPause::HiddenView << OGLModule::TimerPause::PictureWindow;
        QTest::newRow("paused by the user under the date dialog")
            << OGLModule::TimerPause::ModalDialog << OGLModule::TimerPause::UserPause;
        QTest::newRow("a message box while paused by the user")
            << OGLModule::TimerPause::UserPause << OGLModule::TimerPause::MessageBox;
    }

    void thePausesOfHiddenViewAndPictureWindowDoNotEndEachOther()
    {
        QFETCH(OGLModule::TimerPause, first);
        QFETCH(OGLModule::TimerPause, second);
        FakeCounter counter(1'000'000);
        OGLModule::ReplaceFrameTimer(OGLModule::CreateFrameTimer(counter));
        VbTimer& timer = OGLModule::FrameTimer();
        timer.Paused(false);

        OGLModule::HoldTimerPause(first);
        OGLModule::HoldTimerPause(second);
        OGLModule::ReleaseTimerPause(first);
        QVERIFY(timer.Paused());
        counter.now += 100'000'000; // a long absence
        QCOMPARE(timer.UpdateTimer(1), 0.0);
        OGLModule::ReleaseTimerPause(second);
        QVERIFY(!timer.Paused());
        // The animation goes on from where it stood: no jump.
        counter.now += 20'000;
        QCOMPARE(timer.UpdateTimer(1), 0.02);
        OGLModule::ReplaceFrameTimer(nullptr);
    }
};

QTEST_GUILESS_MAIN(FramePacingTest)
#include "test_frame_pacing.moc"
