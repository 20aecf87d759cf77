#include "deadlines.h"
#include "fake_counter.h"
#include "frame_timer.h"
#include "message_recorder.h"
#include "ogl_module.h"
#include "gl_view.h"
#include "window_parts.h"
#include "sky_expectations.h"
#include "xp_main.h"
#include "xp_module.h"

#include <QCloseEvent>
#include <QTimer>
#include <QLabel>
#include <QtTest>

#include <optional>

namespace {

constexpr std::int64_t kTicksPerSecond = 1'000'000;

} // namespace

class MainWindowLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        XPModule::ResetViewSettings();
        OGLModule::ReplaceFrameTimer(OGLModule::CreateFrameTimer(counter));
        recorder.emplace();
    }

    void cleanup()
    {
        recorder.reset();
        OGLModule::ReplaceFrameTimer(nullptr);
    }

    void loadingShowsTheViewWithACurrentContext()
    {
        OGLWin window;
        QVERIFY(window.LoadForm());
        QVERIFY(recorder->messages.isEmpty());
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QString("Il sistema solare"));
        QVERIFY(OGLModule::GLContext != nullptr);
        QCOMPARE(OGLModule::ViewDC, static_cast<QWindow*>(Ui(window).glView1));
        QCOMPARE(window.Scene.CameraAngle, 90.0F);
        QCOMPARE(window.Scene.Selected, std::uint8_t{0});
        QCOMPARE(window.Scene.RenderMode, kRenderModeRender);
        QCOMPARE(Ui(window).lblRotaSi->text(), QString("25"));
        QCOMPARE(window.Scene.OrbitPeriod[Earth], 220.0);
        // The whole designed area fits under the menu bar.
        QVERIFY(window.centralWidget()->width() >= 792);
        QVERIFY(window.centralWidget()->height() >= 508);
        window.close();
    }

    void eachPassAdvancesByTheMeasuredTime()
    {
        OGLWin window;
        QVERIFY(window.LoadForm());
        // The loop stands still until the window is on screen.
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        counter.now += kTicksPerSecond / 2;
        window.RenderLoopPass();
        QCOMPARE(window.Scene.SunSpin, 9.0F);
        QCOMPARE(window.Scene.MoonSpin, 4.5F);
        QVERIFY(OGLModule::GLContext->makeCurrent(OGLModule::ViewDC));

        // A pass with no measurable time moves nothing.
        window.RenderLoopPass();
        QCOMPARE(window.Scene.SunSpin, 9.0F);
        window.close();
    }

    void closingEndsTheLoopWithoutAnotherFrame()
    {
        OGLWin window;
        QVERIFY(window.LoadForm());
        QCoreApplication::postEvent(&window, new QCloseEvent);
        counter.now += kTicksPerSecond;
        window.RenderLoopPass();
        QVERIFY(window.Scene.Done);
        QCOMPARE(window.Scene.SunSpin, 0.0F);
        QVERIFY(OGLModule::GLContext == nullptr);
    }

    void loadingReturnsWhenTheWindowIsClosed()
    {
        OGLWin window;
        QTimer::singleShot(0, &window, [&window] { window.close(); });
        bool loaded = false;
        QVERIFY(RunWithDeadline([&] { loaded = window.Form_Load(); }));
        QVERIFY(loaded);
        QVERIFY(window.Scene.Done);
        QVERIFY(OGLModule::GLContext == nullptr);
    }

    // The timer is created on its first use inside loading, from a counter
    // with no frequency: the message, then the loop ends after one yield
    // with the window still shown, and the program fails.
    void missingCounterEndsTheLoopAndTheProgramFails()
    {
        FakeCounter noCounter(0);
        {
            OGLModule::CreateFrameTimerOnFirstUse(noCounter);
            OGLWin window;
            bool loaded = true;
            QVERIFY(RunWithDeadline([&] { loaded = window.Form_Load(); }));
            QVERIFY(!loaded);
            QCOMPARE(recorder->messages, QStringList{"Your System doesn't support High Resolutiom Timer!"});
            QVERIFY(window.Scene.Done);
            QVERIFY(window.isVisible());
            QCOMPARE(window.Scene.SunSpin, 0.0F);
        }
        // The program keeps the still window until the user closes it, then
        // fails.
        recorder->messages.clear();
        OGLModule::CreateFrameTimerOnFirstUse(noCounter);
        int status = EXIT_SUCCESS;
        bool shownAfterTheLoop = false;
        QObject scope; // cancels the timers when the test ends
        QTimer::singleShot(0, &scope, [&] { // inside the loop's only pass
            QTimer::singleShot(10, &scope, [&] { // once the loop has ended
                if (OGLWin* window = ShownMainWindow()) {
                    shownAfterTheLoop = window->Scene.Done;
                    window->close();
                }
            });
        });
        QVERIFY(RunWithDeadline([&] { status = XPModule::Main(CommandLineOptions{}); }));
        QVERIFY(shownAfterTheLoop);
        QCOMPARE(status, EXIT_FAILURE);
        QCOMPARE(recorder->messages, QStringList{"Your System doesn't support High Resolutiom Timer!"});
    }

    // Started with --date, the program's first frame shows the planets at
    // their longitudes of that moment and the date at the right of the menu
    // bar; the Moon keeps its usual start. The counter stands still, so
    // nothing moves before the window is read.
    void startMomentPlacesThePlanetsOfTheFirstFrame()
    {
        CommandLineOptions options;
        options.startMoment = Utc(kJ2000Utc);
        FakeCounter frozen(kTicksPerSecond);
        OGLModule::CreateFrameTimerOnFirstUse(frozen);
        std::array<float, 14> firstFrame{};
        QString date;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (OGLWin* window = ShownMainWindow()) {
                firstFrame = window->Scene.OrbitAngle;
                date = Tempo(*window).lblData->text();
                seen = true;
                window->close();
            }
        });
        int status = EXIT_FAILURE;
        QVERIFY(RunWithDeadline([&] { status = XPModule::Main(options); }));
        QVERIFY(seen);
        QCOMPARE(status, EXIT_SUCCESS);
        QCOMPARE(PlanetsOffJ2000(firstFrame, kTrackTolerance), QString());
        QCOMPARE(date, QString("1 gennaio 2000"));
        QCOMPARE(firstFrame[Moon], 0.0F);
        QCOMPARE(firstFrame[Sun], 0.0F);
    }

private:
    FakeCounter counter{kTicksPerSecond};
    std::optional<MessageRecorder> recorder; // for each test function
};

QTEST_MAIN(MainWindowLifecycleTest)
#include "test_main_window_lifecycle.moc"
