#include "deadlines.h"
#include "body_orbits.h"
#include "frm_data.h"
#include "orbit_path.h"
#include "main_window_fixture.h"
#include "sky_bodies.h"
#include "sky_expectations.h"
#include "sky_moment.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QVector3D>
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

// "Indietro nel tempo" as the user sets it: through the menu item.
void RunBackwards(OGLWin& w, bool backwards)
{
    if (Tempo(w).mnuindietro->isChecked() != backwards) {
        Tempo(w).mnuindietro->trigger();
    }
}

} // namespace

class TodaysSkyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { fixture.reset(); }

    void theMenuItemSetsOnlyTheNineOrbitAnglesAndTheMoon()
    {
        fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        const QDateTime now = Utc(kJ2000Utc);
        w.Time.SystemClock = [now] { return now; };
        // Move everything away from its start: angles, view, speed, selection.
        fixture->Pass(3.5);
        Ui(w).CmdLeft->click();
        Ui(w).CmdRotasiUp->click();
        Ui(w).HScroll->setValue(60);
        Ui(w).HSpeed->setValue(40);
        Ui(w).ChkPath->setChecked(true);
        w.Scene.Selected = Saturn;
        const SceneState before = w.Scene;
        const ViewSettings view;

        WindowParts::Today(w)->trigger();

        QCOMPARE(PlanetsOffJ2000(w.Scene.OrbitAngle, kTrackTolerance), QString());
        SceneState expected = before;
        for (BodyId planet : kPlanetIds) {
            expected.OrbitAngle[planet] = w.Scene.OrbitAngle[planet];
        }
        QVERIFY(w.Scene.Real.moonReal && !w.Scene.Real.trueOrbits);
        expected.Real.moonReal = true;
        expected.Real.moonOffset = w.Scene.Real.moonOffset;
        // The spins go on from where they stood, on the spin clock.
        QVERIFY(w.Scene.Spins.running && w.Scene.Spins.epochAngle[Earth] == before.SpinAngle[Earth]);
        expected.Spins = w.Scene.Spins;
        QVERIFY(w.Scene == expected); // nothing else changed
        QVERIFY(expected.OrbitAngle != before.OrbitAngle);
        QVERIFY(ViewSettings() == view);
        QVERIFY(Ui(w).ChkPath->isChecked());
        QVERIFY(!OGLModule::FrameTimer().Paused());
        QVERIFY(fixture->messages.isEmpty());

        QCOMPARE(Tempo(w).lblData->text(), QString("1 gennaio 2000"));

        // Saturn is pointed at: the sky's moment stands, and with it every
        // planet; the Moon and the spins go on.
        fixture->Pass(0.5);
        SceneState next = expected;
        AdvanceAnimation(next, 0.5);
        for (BodyId planet : kPlanetIds) {
            next.OrbitAngle[planet] = expected.OrbitAngle[planet];
        }
        QVERIFY(w.Scene == next);
    }

    // 73.05 days are 44 s at the start speed of 220 s a year: 44 frames of a
    // second, either way, land on J2000.0, where the planets stand at their
    // published longitudes (a mean motion would put Mercury degrees away).
    // The bodies are drawn, and picked, where the real sky has them: with
    // "Orbite vere", Mercury and Jupiter at VSOP87's published places of
    // J2000 (12.387 and 49.581 units out through the distance map, worked by
    // hand); at the total solar eclipse of 2026 August 12 the Moon stands
    // 3 units from the Earth towards the Sun, on circles and on true orbits.
    void theBodiesArePickedWhereTheSkyHasThem_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::addColumn<bool>("trueOrbits");
        QTest::addColumn<int>("body");
        QTest::addColumn<QVector3D>("place"); // longitude, latitude, scene distance; none for the Moon
        QTest::addColumn<bool>("offAgain");   // "Orbite vere" turned on, then off again
        QTest::newRow("Mercury") << kJ2000Utc << true << int(Mercury) << QVector3D(253.7830F, -3.0228F, 12.387F) << false;
        QTest::newRow("Jupiter") << kJ2000Utc << true << int(Jupiter) << QVector3D(36.2947F, -1.1746F, 49.581F) << false;
        QTest::newRow("Moon, true orbits") << "2026-08-12T17:46:00" << true << int(Moon) << QVector3D() << false;
        QTest::newRow("Moon, circles") << "2026-08-12T17:46:00" << false << int(Moon) << QVector3D() << false;
        // "Orbite vere" on and off again: Mercury back on its circle, at its longitude.
        QTest::newRow("Mercury, off again") << kJ2000Utc << false << int(Mercury) << QVector3D(253.7830F, 0, 10) << true;
    }

    void theBodiesArePickedWhereTheSkyHasThem()
    {
        QFETCH(QString, utc);
        QFETCH(bool, trueOrbits);
        QFETCH(int, body);
        QFETCH(QVector3D, place);
        QFETCH(bool, offAgain);
        fixture = std::make_unique<MainWindowFixture>();
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [utc] { return Utc(qPrintable(utc)); };
        Ui(w).HScroll->setValue(Ui(w).HScroll->maximum());
        (trueOrbits || offAgain ? Vista(w).mnuorbite : WindowParts::Today(w))->trigger();
        if (offAgain) {
            fixture->Pass();
            Vista(w).mnuorbite->trigger();
        }
        QCOMPARE(Vista(w).mnuorbite->isChecked(), trueOrbits);
        fixture->Pass();
        QVector3D at;
        if (body == Moon) {
            const auto [x, y, z] = BodyCentre(w.Scene, Earth);
            const QVector3D earth{float(x), float(y), float(z)};
            at = earth - earth.normalized() * 3;
        } else {
            // Longitude 0 along +X, growing towards -Z; latitude towards +Y.
            const float l = qDegreesToRadians(place.x());
            const float b = qDegreesToRadians(place.y());
            at = QVector3D(std::cos(b) * std::cos(l), std::sin(b), -std::cos(b) * std::sin(l)) * place.z();
        }
        fixture->PointAt(fixture->ViewPointOf(at.x(), at.y(), at.z()));
        QCOMPARE(int(w.Scene.Selected), body);
        if (trueOrbits && body != Moon) {
            // Its line runs where it will stand a quarter of a revolution on.
            Ui(w).ChkPath->setChecked(true);
            for (int frame = 0; frame < 9; ++frame) {
                fixture->Pass(); // a line a frame
            }
            PlanetTrack track;
            std::array<double, 3> ahead{};
            ScenePoint(track.Places(w.Time.JulianDay() + SiderealPeriodDays(BodyId(body)) / 4)[body - Mercury - (body > Earth)], ahead);
            const QPointF onTheLine = fixture->ViewPointOf(ahead[0], ahead[1], ahead[2]);
            QVERIFY(fixture->BrightnessAt(onTheLine, 1) > 150);
            Ui(w).ChkPath->setChecked(false);
            QCOMPARE(fixture->BrightnessAt(onTheLine, 1), 0);
        }
    }

    void theSkyFollowsItsMomentFrameByFrame_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("date");
        QTest::addColumn<float>("sunSpin"); // 18 degrees a second, from 0
        QTest::newRow("forwards") << Utc("1999-10-20T10:46:56") << false << "1 gennaio 2000" << 72.0F;
        QTest::newRow("backwards") << Utc("2000-03-14T13:10:56") << true << "1 gennaio 2000 \u25C0" << 288.0F;
    }

    void theSkyFollowsItsMomentFrameByFrame()
    {
        QFETCH(QDateTime, start);
        QFETCH(bool, backwards);
        QFETCH(QString, date);
        QFETCH(float, sunSpin);
        fixture = std::make_unique<MainWindowFixture>([&](OGLWin& w) { w.SetSkyMoment(start); });
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        RunBackwards(w, backwards);
        for (int frame = 0; frame < 44; ++frame) {
            fixture->Pass(1.0);
        }
        QCOMPARE(PlanetsOffJ2000(w.Scene.OrbitAngle, kTrackTolerance), QString());
        QCOMPARE(Tempo(w).lblData->text(), date);
        QCOMPARE(w.Scene.SunSpin, sunSpin); // the spins turn back too
    }

    // Two hours of sky a frame: the date turns at midnight UTC, either way,
    // and not at noon, where Julian days begin.
    void theDateTurnsAtMidnight_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("dates"); // after each frame
        QTest::newRow("forwards") << Utc("2026-12-08T21:00:00") << false
                                  << QStringList{"8 dicembre 2026", "9 dicembre 2026", "9 dicembre 2026"};
        QTest::newRow("backwards") << Utc("2026-12-09T03:00:00") << true
                                   << QStringList{"9 dicembre 2026 \u25C0", "8 dicembre 2026 \u25C0",
                                                  "8 dicembre 2026 \u25C0"};
        QTest::newRow("over noon") << Utc("2026-12-09T09:00:00") << false
                                   << QStringList{"9 dicembre 2026", "9 dicembre 2026", "9 dicembre 2026"};
    }

    void theDateTurnsAtMidnight()
    {
        QFETCH(QDateTime, start);
        QFETCH(bool, backwards);
        QFETCH(QStringList, dates);
        fixture = std::make_unique<MainWindowFixture>([&](OGLWin& w) { w.SetSkyMoment(start); });
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        RunBackwards(w, backwards);
        const double twoHours = 2.0 / 24 / 365.25 * XPModule::SecondsPerYear;
        QStringList shown;
        for (qsizetype frame = 0; frame < dates.size(); ++frame) {
            fixture->Pass(twoHours);
            shown << Tempo(w).lblData->text();
        }
        QCOMPARE(shown, dates);
    }

    // The longest month's date, paused and backwards, still fits its corner.
    void theLongestDateFitsTheMenuBar()
    {
        fixture = std::make_unique<MainWindowFixture>([](OGLWin& w) { w.SetSkyMoment(Utc("2088-09-28T00:00:00")); });
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        Tempo(w).mnuindietro->trigger();
        Tempo(w).mnupausa->trigger();
        QCOMPARE(Tempo(w).lblData->text(), QString("28 settembre 2088 (in pausa) \u25C0"));
        QVERIFY(Tempo(w).lblData->contentsRect().width() >= Tempo(w).lblData->fontMetrics().horizontalAdvance(Tempo(w).lblData->text()));
        Tempo(w).mnurate[1]->trigger(); // the longest text: real time, with seconds
        QVERIFY(Tempo(w).lblData->contentsRect().width() >= Tempo(w).lblData->fontMetrics().horizontalAdvance(Tempo(w).lblData->text()));
    }

    // Past 2099 the clock stops at the edge, pauses and says why, once.
    void theEndOfTheSpanStopsTime()
    {
        fixture = std::make_unique<MainWindowFixture>([](OGLWin& w) { w.SetSkyMoment(Utc("2099-12-31T12:00:00")); });
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        fixture->Pass(1.0);
        fixture->Pass(1.0);
        QCOMPARE(fixture->messages.size(), 1);
        QVERIFY2(fixture->messages.front().startsWith("Il tempo si è fermato al 2099-12-31T23:59:59Z"),
                 qPrintable(fixture->messages.front()));
        QCOMPARE(w.Time.Moment(), Utc("2099-12-31T23:59:59"));
        QCOMPARE(Tempo(w).lblData->text(), QString("31 dicembre 2099 (in pausa)"));
        QCOMPARE(Tempo(w).mnupausa->text(), QString("Riprendi"));
        QVERIFY(OGLModule::FrameTimer().Paused());
        w.StepSky(CalendarUnit::Day, -1); // a step back, then a year on: the edge again, and why
        w.StepSky(CalendarUnit::Year, 1);
        QCOMPARE(fixture->messages.size(), 2);
        QCOMPARE(w.Time.Moment(), Utc("2099-12-31T23:59:59"));
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
        w.Time.SystemClock = [now] { return now; };
        fixture->Pass(2.0);
        const SceneState before = w.Scene;
        // The box stays open a minute, with the frame timer paused.
        bool pausedUnderTheBox = false;
        SetMessageBoxHandler([&](const QString& text) {
            fixture->messages << text;
            pausedUnderTheBox = OGLModule::FrameTimer().Paused();
            fixture->counter.now += 60 * MainWindowFixture::kTicksPerSecond;
        });

        WindowParts::Today(w)->trigger();

        QVERIFY(w.Scene == before);
        QCOMPARE(fixture->messages.size(), 1);
        const QString& message = fixture->messages.front();
        QVERIFY2(message.contains(now.toUTC().toString(Qt::ISODate)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("da 1885-01-01T00:00:00Z a 2099-12-31T23:59:59Z")), qPrintable(message));
        QVERIFY(pausedUnderTheBox);
        fixture->Pass(0.5);
        SceneState next = before;
        AdvanceAnimation(next, 0.5); // half a second on, not a minute
        QVERIFY(w.Scene == next);
    }

    // Space pauses and resumes, unless a button has the focus and takes it;
    // J turns time round. The date says both.
    void spaceAndJStopAndTurnTime()
    {
        fixture = std::make_unique<MainWindowFixture>([](OGLWin& w) { w.SetSkyMoment(Utc(kJ2000Utc)); });
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const std::tuple<QWidget*, Qt::Key, QString, bool> steps[] = {
            {Ui(w).glView1Container, Qt::Key_Space, "1 gennaio 2000 (in pausa)", true},
            {Ui(w).glView1Container, Qt::Key_J, "1 gennaio 2000 (in pausa) \u25C0", true},
            {Ui(w).HScroll, Qt::Key_Space, "1 gennaio 2000 \u25C0", false},
            {Ui(w).CmdUP, Qt::Key_Space, "1 gennaio 2000 \u25C0", false}, // pans instead
        };
        for (const auto& [focus, key, date, paused] : steps) {
            focus->setFocus();
            QTest::keyClick(focus, key);
            QCOMPARE(Tempo(w).lblData->text(), date);
            QCOMPARE(OGLModule::FrameTimer().Paused(), paused);
            QCOMPARE(Tempo(w).mnupausa->text(), QString(paused ? "Riprendi" : "Pausa"));
        }
        QCOMPARE(XPModule::ViewPanY, std::int16_t{4});
    }

    // "Vai alla data…": OK puts the planets at the moment chosen within the
    // span, Cancel changes nothing; the animation waits meanwhile.
    void theDateDialogSetsTheSkyOrNothing_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Annulla") << false;
    }

    void theDateDialogSetsTheSkyOrNothing()
    {
        QFETCH(bool, accept);
        fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture->Loaded());
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return Utc("2026-12-08T21:30:00"); };
        const SceneState before = w.Scene;
        QVERIFY(WithModalDialog<FrmData>([&] { Tempo(w).mnudata->trigger(); }, [&](FrmData& dialog) {
            QVERIFY(OGLModule::FrameTimer().Paused());
            QCOMPARE(dialog.Moment(), Utc("2026-12-08T21:30:00")); // now, before the sky is real
            dialog.txtData->setDateTime(Utc("1850-06-01T00:00:00"));
            QCOMPARE(dialog.Moment(), EarliestSkyMoment());
            dialog.txtData->setDateTime(Utc("2150-06-01T00:00:00"));
            QCOMPARE(dialog.Moment(), LatestSkyMoment());
            dialog.txtData->setDateTime(Utc(kJ2000Utc));
            dialog.Buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        }));
        QVERIFY(!OGLModule::FrameTimer().Paused());
        QCOMPARE(w.Time.IsReal(), accept);
        if (accept) {
            QCOMPARE(PlanetsOffJ2000(w.Scene.OrbitAngle, kTrackTolerance), QString());
            QCOMPARE(Tempo(w).lblData->text(), QString("1 gennaio 2000"));
            // Once it is real, the dialog opens on the sky's moment.
            QVERIFY(WithModalDialog<FrmData>([&] { Tempo(w).mnudata->trigger(); }, [&](FrmData& dialog) {
                QCOMPARE(dialog.Moment(), Utc(kJ2000Utc));
                dialog.reject();
            }));
        } else {
            QVERIFY(w.Scene == before);
            QVERIFY(Tempo(w).lblData->text().isEmpty());
        }
    }

    // The rates' submenu and the keys of the rates and the steps on the view;
    // the first makes the sky real at the system clock's moment. Bursts end
    // at the list's ends; moving "Velocità" gives the bar its rate back.
    void theKeysChooseRatesAndStepTheCalendar()
    {
        fixture = std::make_unique<MainWindowFixture>();
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return Utc("2026-12-08T23:15:07"); };
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QStringList rates;
        for (const QAction* item : Tempo(w).mnuVelocita->actions()) {
            rates << item->text() + item->shortcut().toString();
        }
        QCOMPARE(rates.join('|'), QString("Come la barra Velocità|Tempo reale\\|1 minuto al secondo|1 ora al secondo|"
                                          "1 giorno al secondo|1 settimana al secondo|1 mese al secondo|"
                                          "1 anno al secondo||Più veloce]|Più lento["));
        const QString real = QStringLiteral(" 23:15:07 UTC · tempo reale");
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString, int> presses[] = {
            {Qt::Key_BracketRight, {}, "8 dicembre 2026 · 1 settimana/s", 1},
            {Qt::Key_BracketLeft, {}, "8 dicembre 2026 23:15 UTC · 1 giorno/s", 1},
            {Qt::Key_Backslash, {}, "8 dicembre 2026" + real, 1},
            {Qt::Key_Period, {}, "9 dicembre 2026" + real, 1},
            {Qt::Key_Comma, Qt::ControlModifier, "9 novembre 2026" + real, 1},
            {Qt::Key_Period, Qt::AltModifier, "9 novembre 2027" + real, 1},
            {Qt::Key_Space, {}, "9 novembre 2027" + real + " (in pausa)", 1},
            {Qt::Key_Comma, Qt::AltModifier, "9 novembre 2026" + real + " (in pausa)", 1},
            {Qt::Key_Period, Qt::ControlModifier, "9 dicembre 2026" + real + " (in pausa)", 1},
            {Qt::Key_Comma, {}, "8 dicembre 2026" + real + " (in pausa)", 1},
            {Qt::Key_BracketRight, {}, "8 dicembre 2026 · 1 anno/s (in pausa)", 1000},
            {Qt::Key_BracketLeft, {}, "8 dicembre 2026" + real + " (in pausa)", 1000},
        };
        for (const auto& [key, modifiers, text, times] : presses) {
            for (int press = 0; press < times; ++press) {
                QTest::keyClick(Ui(w).glView1Container, key, modifiers);
            }
            QCOMPARE(Tempo(w).lblData->text(), text);
        }
        Ui(w).HSpeed->setValue(40);
        QCOMPARE(Tempo(w).lblData->text(), QString("8 dicembre 2026 (in pausa)"));
        QVERIFY(Tempo(w).mnurate.front()->isChecked());
    }

    // "Adesso": now, forwards, running, in real time; each frame takes the
    // system clock's moment, after a jump of an hour or a step back, in
    // whatever zone the clock reads it. Paused, the sky runs on from there.
    void adessoFollowsTheSystemClock()
    {
        QDateTime now = Utc("2000-01-01T10:58:56");
        fixture = std::make_unique<MainWindowFixture>([&](OGLWin& w) { w.Time.SystemClock = [&now] { return now; }; });
        OGLWin& w = fixture->Window();
        for (QAction* before : {Tempo(w).mnurate.back(), Tempo(w).mnuindietro, Tempo(w).mnupausa, Tempo(w).mnuadesso}) {
            before->trigger();
        }
        const QString real = QStringLiteral(" UTC · tempo reale");
        QCOMPARE(Tempo(w).lblData->text(), "1 gennaio 2000 10:58:56" + real);
        now = Utc(kJ2000Utc); // an hour on, in a frame of a second
        fixture->Pass(1.0);
        QCOMPARE(PlanetsOffJ2000(w.Scene.OrbitAngle, kTrackTolerance), QString());
        QCOMPARE(Tempo(w).lblData->text(), "1 gennaio 2000 11:58:56" + real);
        now = now.addSecs(-120).toOffsetFromUtc(9 * 3600);
        fixture->Pass(1.0);
        QCOMPARE(Tempo(w).lblData->text(), "1 gennaio 2000 11:56:56" + real);
        Tempo(w).mnupausa->trigger();
        Tempo(w).mnupausa->trigger();
        now = now.addSecs(3600);
        fixture->Pass(2.0);
        QCOMPARE(Tempo(w).lblData->text(), "1 gennaio 2000 11:56:58" + real);
    }

    // A second at a day a second, and backwards at an hour a second, moves
    // the spins and the Moon as the bar's time for that much sky does.
    void aRateMovesTheSkyTheSpinsAndTheMoonInStep()
    {
        QDateTime moment = Utc("2026-12-08T00:00:00");
        fixture = std::make_unique<MainWindowFixture>([&](OGLWin& w) { w.SetSkyMoment(moment); });
        OGLWin& w = fixture->Window();
        const std::tuple<SkyRate, bool, int, double> rows[] = {{SkyRate::Day, false, 86400, 220 / 365.25},
                                                               {SkyRate::Hour, true, -3600, -220 / 8766.0}};
        for (const auto& [rate, backwards, skySeconds, barSeconds] : rows) {
            Tempo(w).mnurate[static_cast<std::size_t>(rate)]->trigger();
            RunBackwards(w, backwards);
            SceneState expected = w.Scene;
            fixture->Pass(1.0);
            AdvanceAnimation(expected, barSeconds);
            for (BodyId planet : kPlanetIds) {
                expected.OrbitAngle[planet] = w.Scene.OrbitAngle[planet];
            }
            expected.Real = w.Scene.Real; // the real sky's Moon moves with the moment
            QVERIFY(w.Scene == expected);
            moment = moment.addSecs(skySeconds);
            QCOMPARE(w.Time.Moment(), moment);
        }
    }

private:
    std::unique_ptr<MainWindowFixture> fixture;
};

QTEST_MAIN(TodaysSkyTest)
#include "test_todays_sky.moc"
