#include "deadlines.h"
#include "frm_peta.h"
#include "gl_projection.h"
#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"

#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <limits>
#include <vector>

namespace {

// Hands the view one wheel event, as the window system delivers it.
void Turn(GlView& view, int angleDelta)
{
    const QPointF inside(view.width() / 2.0, view.height() / 2.0);
    QWheelEvent event(inside, view.mapToGlobal(inside), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view, &event);
}

double CotangentOfHalf(int degrees)
{
    return 1 / std::tan(qDegreesToRadians(degrees / 2.0));
}

} // namespace

class WheelZoomTest : public LoadedWindowTest {
    Q_OBJECT

private slots:
    void notchesMoveTheZoomBar_data()
    {
        constexpr int kMax = std::numeric_limits<int>::max();
        constexpr int kMin = std::numeric_limits<int>::min();
        QTest::addColumn<std::vector<int>>("deltas");
        QTest::addColumn<int>("zoom");
        QTest::newRow("one notch away: narrower") << std::vector{120} << 30;
        QTest::newRow("one notch towards: wider") << std::vector{-120} << 40;
        QTest::newRow("eight touchpad steps make a notch") << std::vector(8, 15) << 30;
        QTest::newRow("seven do not") << std::vector(7, 15) << 35;
        QTest::newRow("half a notch each way") << std::vector{60, -60, 60} << 35;
        QTest::newRow("four notches in one event") << std::vector{480} << 15;
        QTest::newRow("a notch and a half, then the other half") << std::vector{-180, -60} << 45;
        QTest::newRow("zero") << std::vector{0, 0} << 35;
        QTest::newRow("enormous away stops at 0") << std::vector{kMax, kMax} << 0;
        QTest::newRow("enormous towards stops at 150") << std::vector{kMin, kMin} << 150;
        QTest::newRow("past the limit and one back") << std::vector{-120 * 100, 120} << 145;
    }

    void notchesMoveTheZoomBar()
    {
        QFETCH(std::vector<int>, deltas);
        QFETCH(int, zoom);
        OGLWin& w = fixture->Window();
        for (const int delta : deltas) {
            Turn(*Ui(w).glView1, delta);
        }
        QCOMPARE(Ui(w).HScroll->value(), zoom);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t(zoom));
        OGLModule::MakeViewCurrent();
        if (zoom > 0) {
            QVERIFY(qAbs(ProjectionScaleY() - CotangentOfHalf(zoom)) < 1e-6);
        }
        // Nothing else moves.
        QCOMPARE(XPModule::ViewPanX, std::int16_t{0});
        QCOMPARE(XPModule::ViewPanY, std::int16_t{5});
        QCOMPARE(XPModule::ViewTilt, 25.0);
        QCOMPARE(int(XPModule::SecondsPerYear), 220);
        QCOMPARE(Ui(w).HSpeed->value(), 10);
        fixture->Pass(0.1);
        QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    }

    // A real wheel turn from the window system, over a part of the view the
    // picture window leaves uncovered, reaches nothing while that window is
    // open. A second turn over the picture window marks the moment the first
    // has been dealt with: the X server delivers the two in order.
    void nothingReachesTheViewWhileThePictureIsOpen()
    {
        OGLWin& w = fixture->Window();
        const QRect screen = w.screen()->geometry();
        w.move(screen.topLeft());
        const double ratio = Ui(w).glView1->devicePixelRatio();
        bool markerArrived = false;
        QVERIFY(WithModalDialog<FrmPeta>([&] { WindowParts::Picture(w)->trigger(); }, [&](FrmPeta& picture) {
            picture.move(screen.bottomRight() - QPoint(picture.frameGeometry().width(),
                                                       picture.frameGeometry().height()));
            QVERIFY(QTest::qWaitForWindowExposed(&picture));
            WheelWatcher watcher(markerArrived);
            picture.windowHandle()->installEventFilter(&watcher);

            const QPoint onView = Ui(w).glView1->mapToGlobal(QPoint(10, 10)) * ratio;
            const QPoint onPicture = picture.mapToGlobal(picture.rect().center()) * ratio;
            QVERIFY(!picture.frameGeometry().contains(onView / ratio));
            QProcess xdotool;
            xdotool.start(QStringLiteral("xdotool"),
                          {"mousemove", QString::number(onView.x()), QString::number(onView.y()), "click", "4",
                           "mousemove", QString::number(onPicture.x()), QString::number(onPicture.y()), "click", "4"});
            QVERIFY(xdotool.waitForFinished(10000));
            QCOMPARE(xdotool.exitCode(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(markerArrived, 10000);
        }));
        QVERIFY(markerArrived);
        QCOMPARE(Ui(w).HScroll->value(), 35);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{35});
    }

private:
    // Notes that a wheel event reached the window it watches.
    class WheelWatcher : public QObject {
    public:
        explicit WheelWatcher(bool& seen) : Seen(seen) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Wheel) {
                Seen = true;
            }
            return QObject::eventFilter(watched, event);
        }

    private:
        bool& Seen;
    };
};

QTEST_MAIN(WheelZoomTest)
#include "test_wheel_zoom.moc"
