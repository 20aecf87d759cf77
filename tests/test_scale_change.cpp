// The window moves from a monitor at scale factor 1 to one at 2 and back: Qt changes
// the view's device pixel ratio without resizing it (tests/with_two_scales.sh
// sets up the monitors).
#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"

#include <QAction>
#include <QScreen>
#include <QtTest>

#include <array>

namespace {

constexpr int kMoveTimeoutMs = 5000;

QScreen* ScreenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) {
            return screen;
        }
    }
    return nullptr;
}

} // namespace

class ScaleChangeTest : public QObject {
    Q_OBJECT

private slots:
    void theViewFollowsItsScaleAndPicksTheSunAtBoth()
    {
        QScreen* left = ScreenNamed("LEFT");
        QScreen* right = ScreenNamed("RIGHT");
        QVERIFY(left != nullptr && right != nullptr);
        MainWindowFixture fixture;
        QVERIFY(fixture.Loaded());
        OGLWin& w = fixture.Window();
        const QSize viewSize = Ui(w).glView1->size();
        // There and back: the scale grows, then shrinks.
        for (QScreen* screen : {left, right, left}) {
            const double scale = screen == left ? 1 : 2;
            w.move(screen->availableGeometry().topLeft() + QPoint(20, 20));
            QTRY_COMPARE_WITH_TIMEOUT(Ui(w).glView1->devicePixelRatio(), scale, kMoveTimeoutMs);
            QCOMPARE(Ui(w).glView1->size(), viewSize); // no resize
            fixture.Pass();
            std::array<GLint, 4> viewport{};
            glGetIntegerv(GL_VIEWPORT, viewport.data());
            QCOMPARE(viewport[2], qRound(viewSize.width() * scale));
            QCOMPARE(viewport[3], qRound(viewSize.height() * scale));
            // The Sun's name at this scale's pixels.
            const QImage bare = w.FrameImage();
            Vista(w).mnunomi->setChecked(true);
            const QImage named = w.FrameImage();
            Vista(w).mnunomi->setChecked(false);
            QVERIFY(NameShownAt(named, bare, fixture.ViewPointOf(3, 0, 0), scale));
            fixture.PointAt(fixture.ViewPointOf(0, 0, 0));
            QCOMPARE(w.Scene.Selected, std::uint8_t{Sun});
            fixture.PointAt(QPointF(5, 5));
            QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody});
        }
    }
};

QTEST_MAIN(ScaleChangeTest)
#include "test_scale_change.moc"
