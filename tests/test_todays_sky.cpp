#include "main_window_fixture.h"
#include "sky_bodies.h"
#include "sky_expectations.h"

#include <QCheckBox>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

struct ViewSettings {
    std::int16_t perspective = XPModule::PerspectiveAngle;
    std::uint8_t secondsPerYear = XPModule::SecondsPerYear;
    double tilt = XPModule::ViewTilt;
    std::int16_t panX = XPModule::ViewPanX;
    std::int16_t panY = XPModule::ViewPanY;
    bool operator==(const ViewSettings&) const = default;
};

// Where the eight planets of the J2000 rows stand against the published
// longitudes; Pluto's row is of another moment.
void VerifyPlanetsAtJ2000(const SceneState& scene)
{
    for (const auto& [utc, body, published] : kPublishedLongitudes) {
        if (utc == kJ2000Utc) {
            QVERIFY2(Separation(scene.OrbitAngle[body], published) <= PublishedTolerance(body),
                     qPrintable(QString("body %1 at %2, published %3").arg(body).arg(scene.OrbitAngle[body]).arg(published)));
        }
    }
}

} // namespace

class TodaysSkyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { fixture.reset(); }

    void theMenuItemSetsOnlyTheNineOrbitAngles()
    {
        fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        const QDateTime now = Utc(kJ2000Utc);
        w.SystemClock = [now] { return now; };
        // Move everything away from its start: angles, view, speed, selection.
        fixture->Pass(3.5);
        w.CmdLeft->click();
        w.CmdRotasiUp->click();
        w.HScroll->setValue(60);
        w.HSpeed->setValue(40);
        w.ChkPath->setChecked(true);
        w.Selected = Saturn;
        const SceneState before = w;
        const ViewSettings view;

        w.mnuoggi->trigger();

        VerifyPlanetsAtJ2000(w);
        SceneState expected = before;
        for (BodyId planet : kPlanetIds) {
            expected.OrbitAngle[planet] = w.OrbitAngle[planet];
        }
        QVERIFY(static_cast<const SceneState&>(w) == expected); // nothing else changed
        QVERIFY(expected.OrbitAngle != before.OrbitAngle);
        QVERIFY(ViewSettings() == view);
        QVERIFY(w.ChkPath->isChecked());
        QVERIFY(!OGLModule::FrameTimer().Paused());
        QVERIFY(fixture->messages.isEmpty());

        // The animation goes on from there at its rates.
        fixture->Pass(0.5);
        SceneState next = expected;
        AdvanceAnimation(next, 0.5);
        QVERIFY(static_cast<const SceneState&>(w) == next);
    }

    void aClockOutsideTheRangeLeavesTheSceneAndSaysSo_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::newRow("after 2099") << Utc("2150-01-01T00:00:00");
        QTest::newRow("before 1885") << Utc("1884-12-31T23:59:59");
    }

    void aClockOutsideTheRangeLeavesTheSceneAndSaysSo()
    {
        QFETCH(QDateTime, now);
        fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        w.SystemClock = [now] { return now; };
        fixture->Pass(2.0);
        const SceneState before = w;
        // The box stays open a minute, with the frame timer paused.
        bool pausedUnderTheBox = false;
        SetMessageBoxHandler([&](const QString& text) {
            fixture->messages << text;
            pausedUnderTheBox = OGLModule::FrameTimer().Paused();
            fixture->counter.now += 60 * MainWindowFixture::kTicksPerSecond;
        });

        w.mnuoggi->trigger();

        QVERIFY(static_cast<const SceneState&>(w) == before);
        QCOMPARE(fixture->messages.size(), 1);
        const QString& message = fixture->messages.front();
        QVERIFY2(message.contains(now.toUTC().toString(Qt::ISODate)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("da 1885-01-01T00:00:00Z a 2099-12-31T23:59:59Z")), qPrintable(message));
        QVERIFY(pausedUnderTheBox);
        fixture->Pass(0.5);
        SceneState next = before;
        AdvanceAnimation(next, 0.5); // half a second on, not a minute
        QVERIFY(static_cast<const SceneState&>(w) == next);
    }

    // The start option sets the angles before the window loads; loading and
    // the first frame must keep them.
    void anglesSetBeforeLoadingAreTheFirstFramesAngles()
    {
        fixture = std::make_unique<MainWindowFixture>([](OGLWin& w) { SetOrbitAnglesAt(w, Utc(kJ2000Utc)); });
        QVERIFY(fixture->Loaded());
        VerifyPlanetsAtJ2000(fixture->Window());
        QCOMPARE(fixture->Window().OrbitAngle[Moon], 0.0F);
        QCOMPARE(fixture->Window().SunSpin, 0.0F);
    }

private:
    std::unique_ptr<MainWindowFixture> fixture;
};

QTEST_MAIN(TodaysSkyTest)
#include "test_todays_sky.moc"
