#include "view_camera.h"
#include "view_drag.h"

#include <QtTest>

#include <vector>

using Moves = std::vector<QPointF>;
using Frames = std::vector<double>;

// The drag and the glide of the view's camera, against hand-computed values.
class ViewCameraTest : public QObject {
    Q_OBJECT

private slots:
    void dragTurnsAndTilts_data()
    {
        QTest::addColumn<Moves>("moves"); // from (100, 100)
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("turnAfter");
        QTest::addColumn<double>("tiltAfter");
        QTest::newRow("right 30 px") << Moves{{130, 100}} << 25.0 << 10.0 << 25.0;
        QTest::newRow("left 30 px wraps") << Moves{{70, 100}} << 25.0 << 350.0 << 25.0;
        QTest::newRow("a whole turn") << Moves{{640, 100}, {1180, 100}} << 25.0 << 0.0 << 25.0;
        QTest::newRow("a turn and a half degree") << Moves{{1181.5, 100}} << 25.0 << 0.5 << 25.0;
        QTest::newRow("down 7 then 2 px") << Moves{{100, 107}, {100, 109}} << 25.0 << 0.0 << 28.0;
        QTest::newRow("up 4 then 2 px") << Moves{{100, 96}, {100, 94}} << 25.0 << 0.0 << 23.0;
        QTest::newRow("up 2 px, no step") << Moves{{100, 98}} << 25.0 << 0.0 << 25.0;
        QTest::newRow("down 2 px, no step") << Moves{{100, 102}} << 25.0 << 0.0 << 25.0;
        QTest::newRow("back and forth carries") << Moves{{100, 102}, {100, 99}, {100, 104}} << 0.0 << 0.0 << 1.0;
        QTest::newRow("highest tilt") << Moves{{100, 109}} << 32766.0 << 0.0 << 32767.0;
        QTest::newRow("lowest tilt") << Moves{{100, 94}} << -32767.0 << 0.0 << -32768.0;
    }

    void dragTurnsAndTilts()
    {
        QFETCH(Moves, moves);
        QFETCH(double, tilt);
        ViewDrag drag;
        ViewCamera camera;
        drag.Start(100, 100);
        for (const QPointF& to : moves) {
            const ViewDrag::Step step = drag.MoveTo(to.x(), to.y());
            camera.Turn(step.turn);
            tilt = DraggedTilt(tilt, step.tilt);
        }
        QFETCH(double, turnAfter);
        QFETCH(double, tiltAfter);
        QCOMPARE(double{camera.Pose({}, {}).turn}, turnAfter);
        QCOMPARE(tilt, tiltAfter);
        drag.Stop();
        QCOMPARE(drag.MoveTo(500, 500).tilt, 0); // no drag, no step
    }

    void glideEases_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<double>("turn");
        QTest::addColumn<double>("shiftX");
        QTest::addColumn<double>("shiftZ");
        QTest::addColumn<bool>("atRest");
        const Frames half{0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1, 0.05};
        QTest::newRow("turn, start") << "turn" << Frames{} << 0.0 << 0.0 << 0.0 << false;
        QTest::newRow("turn, 0.3 s") << "turn" << Frames{0.1, 0.1, 0.1} << 9.36 << 0.0 << 0.0 << false;
        QTest::newRow("turn, middle") << "turn" << half << 45.0 << 0.0 << 0.0 << false;
        QTest::newRow("turn, 1.2 s") << "turn" << Frames(12, 0.1) << 80.64 << 0.0 << 0.0 << false;
        QTest::newRow("turn, end") << "turn" << Frames(20, 0.1) << 90.0 << 0.0 << 0.0 << false;
        QTest::newRow("paused frames") << "turn" << Frames{0, 0, 0, -1, qQNaN()} << 0.0 << 0.0 << 0.0 << false;
        QTest::newRow("a long frame counts 0.1 s") << "turn" << Frames{5} << 1.146667 << 0.0 << 0.0 << false;
        QTest::newRow("follow, middle") << "follow" << half << 0.0 << -32.5 << 1.25 << false;
        QTest::newRow("follow, end") << "follow" << Frames(16, 0.1) << 0.0 << -65.0 << 2.5 << false;
        // Followed 0.3 s into a turn of 90: the 80.64 degrees still to come
        // glide on from 9.36 while the view shifts onto Saturn (half way, from
        // the turn's float 49.68000031).
        QTest::newRow("follow in a turn, middle") << "turn, follow" << half << 49.68 << -33.453053143072346
                                                  << 0.8088199468855373 << false;
        QTest::newRow("follow in a turn, end") << "turn, follow" << Frames(16, 0.1) << 90.0 << -67.5 << 0.0 << false;
        QTest::newRow("home from 300, middle") << "home" << half << 330.0 << -10.0 << 0.0 << false;
        QTest::newRow("home from 300, end") << "home" << Frames(16, 0.1) << 0.0 << 0.0 << 0.0 << true;
    }

    // Saturn at orbit angle 0 stands at (65, 0, 0); with the scene tilted by
    // 90 degrees the look-at centre is the scene's point (0, 0, 2.5).
    void glideEases()
    {
        QFETCH(QString, action);
        SceneState scene;
        const ScenePlacement placement{.panX = 0, .panY = 5, .tilt = 90};
        ViewCamera camera;
        if (action == "turn") {
            camera.GlideTurn(90, camera.Pose(scene, placement));
        } else if (action.endsWith("follow")) {
            if (action.startsWith("turn")) {
                camera.GlideTurn(90, camera.Pose(scene, placement));
                for (const double frame : {0.1, 0.1, 0.1}) {
                    camera.Advance(frame);
                }
            }
            camera.Follow(Saturn, camera.Pose(scene, placement));
        } else {
            camera.Turn(300);
            CameraPose from = camera.Pose(scene, placement);
            from.shift = {-20, 5, 0};
            camera.GoHome(from);
        }
        QFETCH(Frames, frames);
        QFETCH(double, turn);
        QFETCH(double, shiftX);
        QFETCH(double, shiftZ);
        QFETCH(bool, atRest);
        for (const double frame : frames) {
            camera.Advance(frame);
        }
        const CameraPose pose = camera.Pose(scene, placement);
        QVERIFY2(qAbs(pose.turn - turn) < 1e-4, qPrintable(QString::number(pose.turn)));
        QVERIFY(qAbs(pose.shift[0] - shiftX) < 1e-9);
        QVERIFY(qAbs(pose.shift[2] - shiftZ) < 1e-9);
        QCOMPARE(camera.AtRest(), atRest);
        QCOMPARE(pose.active, !camera.AtRest());
    }
};

QTEST_GUILESS_MAIN(ViewCameraTest)
#include "test_view_camera.moc"
