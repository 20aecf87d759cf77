#include "deadlines.h"
#include "frm_peta.h"
#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"
#include "planet_moons.h"
#include "heap_in_use.h"
#include "sky_expectations.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

bool AnglesInRange(const SceneState& scene)
{
    const auto inRange = [](float angle) { return angle >= 0 && angle < 360; };
    for (int id = Mercury; id <= Pluto; ++id) {
        if (!inRange(scene.OrbitAngle[id]) || !inRange(scene.SpinAngle[id])) {
            return false;
        }
    }
    return inRange(scene.SunSpin) && inRange(scene.MoonSpin) && inRange(scene.CameraAngle);
}

constexpr int kFrames = 20000;
constexpr int kWarmUpFrames = 8000;
constexpr int kMeasuredMoves = 10000;
constexpr int kPictureOpenings = 50;
// 150 bytes a frame: Mesa's software renderer keeps the code it compiles for
// each drawing state it first meets (the moons', the names', a followed
// view's), about a megabyte over the run; a leak of ours of a texture or a
// list each time the moons come back is many times that.
constexpr long kAllowedGrowthKilobytes = 1536;
constexpr int kFloorFrames = 500; // the heap's low point over these frames before each end of the measure
constexpr int kMoonsEvery = 401;   // "Lune dei pianeti" on and off
constexpr int kFollowEvery = 67;   // with the moons on, one of them followed

// AddressSanitizer has an allocator of its own, which malloc's figures do not
// see; its leak checker watches leaks instead.
#ifdef SOLAR_SANITIZED
constexpr bool kMeasureHeap = false;
#else
constexpr bool kMeasureHeap = true;
#endif

// Double-clicks `moon` where the last frame drew it, as a user following it
// would; whether the view follows it then (it may be hidden or out of view).
bool FollowMoon(MainWindowFixture& fixture, MoonId moon)
{
    OGLWin& w = fixture.Window();
    const QPointF at = fixture.DrawnAt(moon);
    w.glView1_DblClick(static_cast<float>(at.x()), static_cast<float>(at.y()));
    return w.Rig.Camera.Followed() == moon;
}

} // namespace

// The real main window over a long run: frames, a mouse move over the view
// with every frame, every control used, the picture window opened and closed,
// the window resized, the true orbits turned on and off, the planets' moons
// shown, followed and hidden again. Nothing may leak, fail or leave its range.
class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void longRunStaysHealthy()
    {
        MainWindowFixture fixture;
        QVERIFY(fixture.Loaded());
        OGLWin& w = fixture.Window();
        QToolButton* const buttons[] = {Ui(w).CmdUP, Ui(w).CmdDown, Ui(w).CmdLeft, Ui(w).CmdRight, Ui(w).CmdRotasiUp, Ui(w).CmdRotasiDown};
        const QSize startSize = w.size();
        w.Time.SystemClock = [] { return Utc(kJ2000Utc); };
        HeapFloor heapAfterWarmUp;
        HeapFloor heapAtEnd;
        int openings = 0; // the picture window came up and closed itself
        int follows = 0;  // a double click on a moon followed it

        for (int frame = 0; frame < kFrames; ++frame) {
            fixture.Pass(1.0 / 60);
            // Sweep the pointer across the view, row by row.
            const int x = (frame * 7) % 785;
            const int y = ((frame * 7) / 785 * 11) % 473;
            fixture.PointAt(QPointF(x, y));

            if (frame % 97 == 0) {
                buttons[(frame / 97) % std::size(buttons)]->click();
            }
            if (frame % 101 == 0) {
                Ui(w).HScroll->triggerAction(frame % 202 == 0 ? QAbstractSlider::SliderSingleStepAdd
                                                          : QAbstractSlider::SliderSingleStepSub);
                Ui(w).HSpeed->triggerAction(frame % 202 == 0 ? QAbstractSlider::SliderPageStepAdd
                                                         : QAbstractSlider::SliderPageStepSub);
            }
            if (frame % 503 == 0) {
                Ui(w).ChkPath->click();
            }
            if (frame % 53 == 0) {
                Vista(w).mnuorbite->trigger(); // true orbits on and off, the sky real from the first
            }
            if (frame % kMoonsEvery == kMoonsEvery / 2) {
                Vista(w).mnulune->trigger();
                // The names on with the moons: the frames note where each is drawn.
                Vista(w).mnunomi->setChecked(Vista(w).mnulune->isChecked());
            }
            if (frame % kFollowEvery == 0 && Vista(w).mnulune->isChecked()) {
                follows += FollowMoon(fixture, static_cast<MoonId>(kFirstMoon + frame / kFollowEvery % kMoonCount)) ? 1 : 0;
            }
            if (frame % 1009 == 0) {
                w.resize(startSize + QSize((frame / 1009) % 3 * 40, 0));
            }
            if (frame % 300 == 150 && frame / 300 < kPictureOpenings) {
                const bool byOk = frame / 300 % 2 == 0;
                const auto closePicture = [&](FrmPeta& picture) {
                    if (byOk) {
                        picture.Command1->click();
                    } else {
                        picture.close();
                    }
                    openings += picture.isVisible() ? 0 : 1;
                };
                QVERIFY2(WithModalDialog<FrmPeta>([&] { WindowParts::Picture(w)->trigger(); }, closePicture),
                         qPrintable(QString("frame %1").arg(frame)));
                QVERIFY(!OGLModule::FrameTimer().Paused());
            }

            QVERIFY2(glGetError() == GL_NO_ERROR, qPrintable(QString("frame %1").arg(frame)));
            QVERIFY2(AnglesInRange(w.Scene), qPrintable(QString("frame %1").arg(frame)));
            const auto justBefore = [frame](int end) { return frame > end - kFloorFrames && frame <= end; };
            if (kMeasureHeap && justBefore(kWarmUpFrames)) {
                heapAfterWarmUp.Note();
            }
            if (kMeasureHeap && justBefore(kWarmUpFrames + kMeasuredMoves)) {
                heapAtEnd.Note();
            }
            if (kMeasureHeap && frame == kWarmUpFrames + kMeasuredMoves) {
                const long growth = heapAtEnd.Kilobytes() - heapAfterWarmUp.Kilobytes();
                QVERIFY2(growth < kAllowedGrowthKilobytes, qPrintable(QString("grew by %1 kB").arg(growth)));
            }
        }
        QCOMPARE(openings, kPictureOpenings);
        QCOMPARE_GT(follows, 40);
        QVERIFY(!w.Scene.Done);
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
