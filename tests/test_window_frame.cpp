#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"

#include <QCheckBox>
#include <QtTest>

#include <array>
#include <cmath>

// Runs under a window manager that frames the window
// (tests/with_window_manager.sh), so that the window's outer width differs
// from its client width.
class WindowFrameTest : public QObject {
    Q_OBJECT

private slots:
    // The view takes the window's outer width, frame included, and keeps its
    // designed height; viewport and aspect follow; the controls stay.
    void resizingWidensTheViewToTheOuterWidth()
    {
        MainWindowFixture fixture;
        QVERIFY(fixture.Loaded());
        OGLWin& w = fixture.Window();
        QTRY_VERIFY2_WITH_TIMEOUT(w.frameGeometry().width() > w.width(), "the window got no frame", 10000);
        const QRect chkPath = Ui(w).ChkPath->geometry();
        const double ratio = Ui(w).glView1->devicePixelRatio();
        for (int width : {912, 832, 792}) {
            w.resize(width, w.height());
            QTRY_COMPARE_WITH_TIMEOUT(w.width(), width, 10000);
            QTRY_COMPARE_WITH_TIMEOUT(Ui(w).glView1Container->geometry(), QRect(0, 0, w.frameGeometry().width(), 473),
                                      10000);

            QVERIFY(OGLModule::MakeViewCurrent());
            std::array<GLint, 4> viewport{};
            glGetIntegerv(GL_VIEWPORT, viewport.data());
            const std::array<GLint, 4> expected{0, 0, GLint(std::lround(w.frameGeometry().width() * ratio)),
                                                GLint(std::lround(473 * ratio))};
            QCOMPARE(viewport, expected);
            std::array<GLdouble, 16> projection{};
            glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
            // For a perspective, element 5 over element 0 is the aspect.
            QVERIFY(qAbs(projection[5] / projection[0] - double(expected[2]) / expected[3]) < 1e-5);
            QCOMPARE(Ui(w).ChkPath->geometry(), chkPath);
        }
    }
};

QTEST_MAIN(WindowFrameTest)
#include "test_window_frame.moc"
