#include "gl_view.h"
#include "main_window_fixture.h"

#include <QMouseEvent>
#include <QtTest>

#include <chrono>
#include <functional>
#include <utility>

namespace {

constexpr std::int64_t kTicksPerSecond = MainWindowFixture::kTicksPerSecond;
constexpr int kExposeTimeoutMs = 5000;
// Wake-ups of a hidden loop before the test gives up on it.
constexpr int kMostHiddenWakeUps = 1000;

// Waits on the fixture's counter: a timed sleep lets its whole time pass at
// once. Events that arrive during a sleep are handled as the real wait
// handles them.
class FakeWait final : public LoopWait {
public:
    FakeWait(FakeCounter& fakeCounter, OGLWin& owner) : counter(fakeCounter), window(owner) {}

    void Sleep(std::optional<std::chrono::nanoseconds> atMost) override
    {
        if (atMost) {
            ++timedSleeps;
        } else if (++untimedSleeps > kMostHiddenWakeUps) {
            window.Scene.Done = true; // a deadline, not a hang
        }
        if (auto happen = std::exchange(arrive, nullptr)) {
            happen();
        }
        QCoreApplication::processEvents();
        if (auto look = std::exchange(handled, nullptr)) {
            look();
        }
        if (atMost) {
            counter.now += atMost->count() * kTicksPerSecond / 1'000'000'000;
        }
    }

    // Once, at the next sleep: what happens while the loop sleeps, and a look
    // at the window once the events are handled.
    std::function<void()> arrive;
    std::function<void()> handled;
    int timedSleeps = 0;
    int untimedSleeps = 0;

private:
    FakeCounter& counter;
    OGLWin& window;
};

} // namespace

class LoopPacingTest : public LoadedWindowTest {
    Q_OBJECT

    void WindowLoaded() override
    {
        OGLWin& window = fixture->Window();
        window.Loop.Pacer = FramePacer(fixture->counter);
        auto fake = std::make_unique<FakeWait>(fixture->counter, window);
        wait = fake.get();
        window.Loop.Wait = std::move(fake);
    }

private slots:
    void aFakedSecondHoldsOneFramePerPeriod_data()
    {
        QTest::addColumn<int>("maxFps"); // -1: the screen's rate
        QTest::newRow("--max-fps 30") << 30;
        QTest::newRow("--max-fps 144") << 144;
        QTest::newRow("the screen's rate") << -1;
    }

    void aFakedSecondHoldsOneFramePerPeriod()
    {
        QFETCH(int, maxFps);
        OGLWin& window = fixture->Window();
        window.Loop.Pacer.SetCeiling(maxFps < 0 ? std::nullopt : std::optional<int>(maxFps));
        fixture->Pass(); // the first frame starts the grid
        const int expected = static_cast<int>(std::lround(window.Loop.Pacer.FramesPerSecond()));
        const std::int64_t start = fixture->counter.now;
        const std::int64_t swaps = window.Loop.Pacer.Swaps();
        for (int pass = 0; fixture->counter.now - start < kTicksPerSecond && pass <= expected; ++pass) {
            fixture->Pass();
        }
        QCOMPARE(window.Loop.Pacer.Swaps() - swaps, expected);
        QCOMPARE(wait->timedSleeps, expected);
    }

    void aPointerMoveDuringTheWaitIsPickedBeforeTheNextFrame()
    {
        OGLWin& window = fixture->Window();
        window.Loop.Pacer.SetCeiling(30);
        fixture->Pass();
        const QPointF sun = fixture->ViewPointOf(0, 0, 0);
        const std::int64_t due = fixture->counter.now + window.Loop.Pacer.TicksUntilDue();
        const std::int64_t swaps = window.Loop.Pacer.Swaps();
        QCOMPARE(window.Scene.Selected, NoBody);

        wait->arrive = [&] {
            QCoreApplication::postEvent(Ui(window).glView1, new QMouseEvent(QEvent::MouseMove, sun, sun,
                                                                         Qt::NoButton, Qt::NoButton, Qt::NoModifier));
        };
        std::int16_t pickedWhileWaiting = NoBody;
        std::int64_t swapsWhileWaiting = -1;
        std::int64_t pickedAt = 0;
        wait->handled = [&] {
            pickedWhileWaiting = window.Scene.Selected;
            swapsWhileWaiting = window.Loop.Pacer.Swaps();
            pickedAt = fixture->counter.now;
        };
        fixture->Pass();
        QCOMPARE(pickedWhileWaiting, std::int16_t{Sun});
        QCOMPARE(swapsWhileWaiting, swaps);
        QVERIFY(pickedAt < due);
        QCOMPARE(window.Loop.Pacer.Swaps(), swaps + 1);
        QCOMPARE(fixture->counter.now, due);
    }

    void aHiddenViewDrawsNothingAndTheAnimationGoesOnWhereItStood()
    {
        OGLWin& window = fixture->Window();
        fixture->Pass(1.0);
        const float sunSpin = window.Scene.SunSpin;
        const std::int64_t swaps = window.Loop.Pacer.Swaps();
        window.hide();
        QTRY_VERIFY_WITH_TIMEOUT(!Ui(window).glView1->isExposed(), kExposeTimeoutMs);

        std::int64_t swapsWhileHidden = -1;
        bool pausedWhileHidden = false;
        wait->arrive = [&] {
            fixture->counter.now += 100 * kTicksPerSecond; // a long absence
            swapsWhileHidden = window.Loop.Pacer.Swaps();
            pausedWhileHidden = OGLModule::FrameTimer().Paused();
            window.show();
            // The loop draws again once the main window is exposed.
            QVERIFY(QTest::qWaitForWindowExposed(&window, kExposeTimeoutMs));
            QVERIFY(QTest::qWaitForWindowExposed(Ui(window).glView1, kExposeTimeoutMs));
        };
        fixture->Pass();
        QVERIFY(!window.Scene.Done);
        QCOMPARE(wait->timedSleeps, 0);
        QVERIFY(wait->untimedSleeps >= 1);
        QCOMPARE(swapsWhileHidden, swaps);
        QVERIFY(pausedWhileHidden);
        // Paints resume; the absence is no part of any frame time.
        QVERIFY(window.Loop.Pacer.Swaps() > swaps);
        QVERIFY(!OGLModule::FrameTimer().Paused());
        QCOMPARE(window.Scene.SunSpin, sunSpin);
        fixture->Pass(0.5);
        QVERIFY(window.Scene.SunSpin > sunSpin);
    }

private:
    FakeWait* wait = nullptr; // the window's, for as long as it lives
};

QTEST_MAIN(LoopPacingTest)
#include "test_loop_pacing.moc"
