#include "fake_counter.h"
#include "frame_timer.h"
#include "message_recorder.h"
#include "vb_timer.h"

#include <QtTest>

namespace {

constexpr std::int64_t kTicksPerSecond = 1'000'000; // a microsecond counter
constexpr std::int16_t kOneFrame = 1;

// A timer on a fresh microsecond counter, started at the counter's reading.
struct StartedTimer {
    StartedTimer() { timer.Paused(false); }
    FakeCounter counter{kTicksPerSecond};
    VbTimer timer{counter, nullptr};
};

} // namespace

class FrameTimerTest : public QObject {
    Q_OBJECT

private slots:
    void fixedPointRoundsToFourPlaces()
    {
        QCOMPARE(FixedPoint4::FromDouble(0.00004).raw, 0);
        QCOMPARE(FixedPoint4::FromDouble(0.00005).raw, 1);
        QCOMPARE(FixedPoint4::FromDouble(1.23456).raw, 12346);
        QCOMPARE(FixedPoint4::FromDouble(-0.5).raw, -5000);
        QCOMPARE((FixedPoint4{30000} - FixedPoint4{5000}).ToDouble(), 2.5);
        // No overflow on values no frame ever takes.
        QCOMPARE(FixedPoint4::FromDouble(1e300).raw, std::numeric_limits<std::int64_t>::max());
        QCOMPARE(FixedPoint4::FromDouble(std::numeric_limits<double>::quiet_NaN()).raw, 0);
    }

    void measuresTheTimeBetweenUpdates()
    {
        auto [counter, timer] = StartedTimer{};
        QCOMPARE(timer.Frequency().raw, kTicksPerSecond);
        counter.now += 250'000;
        QCOMPARE(timer.UpdateTimer(kOneFrame), 0.25);
        QCOMPARE(timer.ElapsedSeconds().raw, 2500);
        QCOMPARE(timer.FPS().raw, 40000); // 4 frames per second
        counter.now += 500'000;
        QCOMPARE(timer.UpdateTimer(kOneFrame), 0.5);
        QCOMPARE(timer.FPS().raw, 20000);
        QCOMPARE(timer.TotalTime().raw, 7500);
    }

    void shortFramesReadAsZero()
    {
        auto [counter, timer] = StartedTimer{};
        counter.now += 49; // 0.000049 s
        QVERIFY(timer.UpdateTimer(kOneFrame) > 0);
        QCOMPARE(timer.ElapsedSeconds().raw, 0);
        counter.now += 50;
        timer.UpdateTimer(kOneFrame);
        QCOMPARE(timer.ElapsedSeconds().raw, 1);
    }

    void equalReadingsKeepTheLastRate()
    {
        auto [counter, timer] = StartedTimer{};
        counter.now += 100'000;
        timer.UpdateTimer(kOneFrame);
        QCOMPARE(timer.UpdateTimer(kOneFrame), 0.0);
        QCOMPARE(timer.FPS().raw, 100000); // still 10 frames per second
    }

    void pauseStopsTimeAndReadsNoCounter()
    {
        auto [counter, timer] = StartedTimer{};
        counter.now += 100'000;
        timer.UpdateTimer(kOneFrame);

        timer.Paused(true);
        QVERIFY(timer.Paused());
        QCOMPARE(timer.ElapsedSeconds().raw, 0);
        const int readsBefore = counter.reads;
        counter.now += 60 * kTicksPerSecond;
        QCOMPARE(timer.UpdateTimer(kOneFrame), 0.0);
        QCOMPARE(counter.reads, readsBefore);
        QCOMPARE(timer.FPS().raw, 100000);

        // Resuming measures only from the resume.
        timer.Paused(false);
        QVERIFY(!timer.Paused());
        counter.now += 20'000;
        QCOMPARE(timer.UpdateTimer(kOneFrame), 0.02);
        QCOMPARE(timer.TotalTime().raw, 200);
    }

    void startRestartsTheInterval()
    {
        auto [counter, timer] = StartedTimer{};
        counter.now += 300'000;
        timer.Paused(false);
        QCOMPARE(timer.TotalTime().raw, 0);
        counter.now += 100'000;
        QCOMPARE(timer.UpdateTimer(kOneFrame), 0.1);
    }

    void missingCounterIsReportedOnce()
    {
        const MessageRecorder recorder;
        const QStringList& messages = recorder.messages;
        int unavailable = 0;
        OGLModule::SetTimerUnavailableHandler([&] { ++unavailable; });

        FakeCounter counter(0);
        auto timer = OGLModule::CreateFrameTimer(counter);
        QCOMPARE(messages, QStringList{"Your System doesn't support High Resolutiom Timer!"});
        QCOMPARE(unavailable, 1);

        // With no counter there is no time to measure, and no division by zero.
        timer->Paused(false);
        counter.now += 5;
        QCOMPARE(timer->UpdateTimer(kOneFrame), 0.0);
        QCOMPARE(timer->TotalTime().raw, 0);
        QCOMPARE(messages.size(), 1);

        OGLModule::SetTimerUnavailableHandler(nullptr);
    }

    void sharedTimerIsCreatedOnFirstUse()
    {
        const MessageRecorder recorder;
        OGLModule::ReplaceFrameTimer(nullptr);
        VbTimer& first = OGLModule::FrameTimer();
        QCOMPARE(&OGLModule::FrameTimer(), &first);
        QVERIFY(first.Frequency().raw > 0);
        QVERIFY(recorder.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(FrameTimerTest)
#include "test_frame_timer.moc"
