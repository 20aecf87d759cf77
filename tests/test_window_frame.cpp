#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"
#include "settings_file.h"
#include "window_place.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QtTest>

#include <array>
#include <cmath>

// Runs under a window manager that frames the window
// (tests/with_window_manager.sh), so that the window's outer width differs
// from its client width.
class WindowFrameTest : public QObject {
    Q_OBJECT

private slots:
    // The view takes the window's outer width, frame included, and the
    // height the window has beyond its designed size; viewport and aspect
    // follow; the row of controls stays at the bottom, and back at the start
    // size everything stands where it was designed.
    void resizingFillsTheWindowWithTheView()
    {
        MainWindowFixture fixture;
        QVERIFY(fixture.Loaded());
        OGLWin& w = fixture.Window();
        QTRY_VERIFY2_WITH_TIMEOUT(w.frameGeometry().width() > w.width(), "the window got no frame", 10000);
        const int startHeight = w.height();
        const QWidget* client = w.centralWidget();
        const double ratio = Ui(w).glView1->devicePixelRatio();
        // Width and the height beyond the start; the view's height and the
        // orbit box's place, from the designed layout (view 473 high, the box
        // at 680, 481).
        const struct {
            int width, extraHeight, viewHeight;
            QPoint chkPath;
        } sizes[] = {{912, 0, 473, {680, 481}}, {1100, 300, 773, {680, 781}}, {832, 41, 514, {680, 522}},
                     {792, 0, 473, {680, 481}}};
        for (const auto& size : sizes) {
            w.resize(size.width, startHeight + size.extraHeight);
            QTRY_COMPARE_WITH_TIMEOUT(w.size(), QSize(size.width, startHeight + size.extraHeight), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(Ui(w).glView1Container->geometry(),
                                      QRect(0, 0, w.frameGeometry().width(), size.viewHeight), 10000);
            QCOMPARE(Ui(w).ChkPath->pos(), size.chkPath);
            QCOMPARE(Ui(w).HScroll->geometry().bottom(), client->height() - 7); // the bars' 6 px margin below

            QVERIFY(OGLModule::MakeViewCurrent());
            std::array<GLint, 4> viewport{};
            glGetIntegerv(GL_VIEWPORT, viewport.data());
            const std::array<GLint, 4> expected{0, 0, GLint(std::lround(w.frameGeometry().width() * ratio)),
                                                GLint(std::lround(size.viewHeight * ratio))};
            QCOMPARE(viewport, expected);
            std::array<GLdouble, 16> projection{};
            glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
            // For a perspective, element 5 over element 0 is the aspect.
            QVERIFY(qAbs(projection[5] / projection[0] - double(expected[2]) / expected[3]) < 1e-5);
        }
    }

    // The window opens where the last one was closed when that fits a screen
    // (Xvfb's is 1920 x 1200), else at its designed size; closing keeps it.
    void theWindowOpensWhereTheLastOneClosed_data()
    {
        QTest::addColumn<QRect>("kept");
        QTest::addColumn<QSize>("size");
        QTest::newRow("fits") << QRect(40, 60, 1000, 700) << QSize(1000, 700);
        QTest::newRow("on a screen that is gone") << QRect(2500, 60, 1000, 700) << QSize();
    }

    void theWindowOpensWhereTheLastOneClosed()
    {
        QFETCH(QRect, kept);
        QFETCH(QSize, size);
        MainWindowFixture fixture([&kept](OGLWin&) { KeepWindowPlace(*OpenSettings(), {.geometry = kept}); });
        QVERIFY(fixture.Loaded());
        OGLWin& w = fixture.Window();
        const int menuHeight = w.height() - w.centralWidget()->height();
        const QSize expected = size.isValid() ? size : QSize(792, 508 + menuHeight);
        QTRY_COMPARE_WITH_TIMEOUT(w.size(), expected, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(Ui(w).glView1Container->height(), expected.height() - menuHeight - 35, 10000);

        w.resize(900, 650);
        QTRY_COMPARE_WITH_TIMEOUT(w.size(), QSize(900, 650), 10000);
        w.close();
        const auto closed = KeptWindowPlace(*OpenSettings(), {QRect(0, 0, 1920, 1200)});
        QVERIFY(closed.has_value());
        QCOMPARE(closed->geometry, w.normalGeometry());
    }
};

QTEST_MAIN(WindowFrameTest)
#include "test_window_frame.moc"
