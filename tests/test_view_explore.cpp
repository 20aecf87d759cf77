#include "body_orbits.h"
#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

// The view explored with the mouse and the keys: a drag turns and tilts it,
// a followed body stays at its centre, and Home brings the designed view back.
class ViewExploreTest : public LoadedWindowTest {
    Q_OBJECT

private slots:
    // Where Jupiter will stand once the scene is turned by 90 degrees and
    // tilted to 35 is found first; a drag of 270 px right and 30 px down then
    // ends there, and the release picks it at once.
    void dragTurnsThenPicksUnderThePointer()
    {
        OGLWin& w = fixture->Window();
        w.Rig.Camera.Turn(90);
        XPModule::ViewTilt = 35;
        fixture->Pass();
        const std::array<double, 3> jupiter = BodyCentre(w.Scene, Jupiter);
        const QPoint end = fixture->ViewPointOf(jupiter[0], jupiter[1], jupiter[2]).toPoint();
        w.Rig.Camera.Turn(-90);
        XPModule::ViewTilt = 25;
        fixture->Pass();

        const QPoint start = end - QPoint(270, 30);
        QTest::mousePress(Ui(w).glView1, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 10; ++step) {
            QTest::mouseMove(Ui(w).glView1, start + QPoint(27, 3) * step);
            QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody}); // no picking while held
        }
        QCOMPARE(Ui(w).lblRotaSi->text(), QString("35"));
        QTest::mouseRelease(Ui(w).glView1, Qt::LeftButton, {}, end);
        QCOMPARE(w.Scene.Selected, std::uint8_t{Jupiter});
        QCOMPARE(XPModule::ViewTilt, 35.0);

        // A release that went elsewhere: the next move without the button
        // ends the drag and picks again.
        QTest::mousePress(Ui(w).glView1, Qt::LeftButton, {}, end);
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody}); // a drag from a body lets it move on
        QMouseEvent loose(QEvent::MouseMove, QPointF(end), Ui(w).glView1->mapToGlobal(QPointF(end)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Ui(w).glView1, &loose);
        QCOMPARE(w.Scene.Selected, std::uint8_t{Jupiter});
    }

    void followedBodyStaysAtTheCentre_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("turns"); // presses of Shift+Right, or Shift+Left below 0
        QTest::addColumn<float>("turn");
        QTest::newRow("Mercury, moving") << int(Qt::Key_1) << false << 0 << 0.0F;
        QTest::newRow("the Moon, time paused") << int(Qt::Key_L) << true << 0 << 0.0F;
        QTest::newRow("Saturn, turned") << int(Qt::Key_6) << false << 3 << 15.0F;
        QTest::newRow("Jupiter, turned back") << int(Qt::Key_5) << false << -2 << 350.0F;
    }

    void followedBodyStaysAtTheCentre()
    {
        QFETCH(int, key);
        QFETCH(bool, paused);
        QFETCH(int, turns);
        QFETCH(float, turn);
        OGLWin& w = fixture->Window();
        if (paused) {
            Tempo(w).mnupausa->trigger();
        }
        QTest::keyClick(Ui(w).glView1, Qt::Key(key));
        const auto body = static_cast<BodyId>(w.Scene.Selected);
        QTest::keyClick(Ui(w).glView1, Qt::Key_Return);
        QTest::keyClick(Ui(w).glView1, Qt::Key_Escape); // let go: it moves on
        for (int i = 0; i < std::abs(turns); ++i) {
            QTest::keyClick(Ui(w).glView1, turns > 0 ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
        }
        Vista(w).mnunomi->setChecked(true); // the frames note where they draw each body
        const QPointF centre(Ui(w).glView1->width() / 2.0, Ui(w).glView1->height() / 2.0);
        const std::array<double, 3> before = BodyCentre(w.Scene, body);
        for (int frame = 0; frame < 240; ++frame) {
            fixture->Pass(1.0 / 60);
            const QPointF offset = fixture->DrawnAt(body) - centre;
            QVERIFY2(frame < 90 || offset.manhattanLength() < 1, qPrintable(QString::number(frame)));
        }
        QCOMPARE(BodyCentre(w.Scene, body) == before, paused);
        QVERIFY(qAbs(w.Rig.Camera.Pose(w.Scene, {}).turn - turn) < 1e-3F);

        Ui(w).HScroll->setValue(20);
        QTest::keyClick(Ui(w).glView1, Qt::Key_Home);
        fixture->Pass(1.0 / 60);
        const std::array<double, 3> at = BodyCentre(w.Scene, body);
        QVERIFY((fixture->ViewPointOf(at[0], at[1], at[2]) - centre).manhattanLength() < 2); // no jump
        for (int frame = 1; frame < 30; ++frame) {
            fixture->Pass(1.0 / 60);
        }
        QCOMPARE(Ui(w).HScroll->value(), 24); // a third of the way: 20 + 15 x 0.259, whole
        for (int frame = 0; frame < 95; ++frame) {
            fixture->Pass(1.0 / 60);
        }
        QVERIFY(w.Rig.Camera.AtRest());
        QCOMPARE(Ui(w).HScroll->value(), 35);
        QCOMPARE(Ui(w).lblRotaSi->text(), QString("25"));
    }

    void pictureSceneIgnoresTheCamera()
    {
        OGLWin& w = fixture->Window();
        const auto placed = [&w] {
            OGLModule::MakeViewCurrent();
            w.Render_Temp();
            std::array<GLdouble, 16> matrix{};
            glGetDoublev(GL_MODELVIEW_MATRIX, matrix.data());
            return matrix;
        };
        const std::array<GLdouble, 16> atRest = placed();
        w.Rig.Camera.Turn(90);
        QCOMPARE(placed(), atRest);
    }

};

QTEST_MAIN(ViewExploreTest)
#include "test_view_explore.moc"
