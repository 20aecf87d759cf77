#include "hit_records.h"
#include "planet_catalogue.h"
#include "scene_state.h"
#include "sky_rates.h"

#include <QtTest>

namespace {

SceneState SceneAt(std::uint8_t secondsPerYear)
{
    SceneState scene;
    ComputeRates(scene, secondsPerYear);
    return scene;
}

// Runs the animation for `seconds` in steps of `step` seconds.
void Animate(SceneState& scene, double seconds, double step)
{
    for (double t = 0; t < seconds - 1e-9; t += step) {
        AdvanceAnimation(scene, step);
    }
}

using HitBuffer = std::vector<GLuint>;

} // namespace

class SceneStateTest : public QObject {
    Q_OBJECT

private slots:
    void periodsScaleWithTheYear_data()
    {
        QTest::addColumn<int>("secondsPerYear");
        QTest::newRow("start") << 220;
        QTest::newRow("fastest") << 10;
    }

    void periodsScaleWithTheYear()
    {
        QFETCH(int, secondsPerYear);
        const SceneState scene = SceneAt(static_cast<std::uint8_t>(secondsPerYear));
        const double year = secondsPerYear;
        const std::pair<int, double> days[] = {{Mercury, 88}, {Venus, 225}, {Earth, 365}, {Mars, 687},
                                               {Jupiter, 4331}, {Saturn, 10747}, {Uranus, 30589},
                                               {Neptune, 59800}, {Pluto, 90588}};
        for (const auto& [id, count] : days) {
            QCOMPARE(scene.OrbitPeriod[id], count / 365.0 * year);
        }
        // Spin periods: Earth a tenth of a year, the giants 250 days, Pluto 1000.
        QCOMPARE(scene.OrbitPeriod[Earth] / scene.SpinsPerOrbit[Earth], year / 10);
        QCOMPARE(scene.OrbitPeriod[Mercury] / scene.SpinsPerOrbit[Mercury], 58 / 365.0 * year);
        QVERIFY(qFuzzyCompare(scene.OrbitPeriod[Jupiter] / scene.SpinsPerOrbit[Jupiter], 250 / 365.0 * year));
        QVERIFY(qFuzzyCompare(scene.OrbitPeriod[Pluto] / scene.SpinsPerOrbit[Pluto], 1000 / 365.0 * year));
    }

    void periodsAtTheStartSpeed()
    {
        const SceneState scene = SceneAt(220);
        QCOMPARE(qRound(scene.OrbitPeriod[Mercury] * 100), 5304);
        QCOMPARE(qRound(scene.OrbitPeriod[Venus] * 100), 13562);
        QCOMPARE(qRound(scene.OrbitPeriod[Pluto] * 100), 5460099);
        QCOMPARE(qRound(scene.OrbitPeriod[Mars] / scene.SpinsPerOrbit[Mars] * 100), 4141);
    }

    // Forwards the overshoot past a turn is dropped; backwards, an angle
    // below 0 comes round from 360, however far.
    void advanceDropsTheOvershoot()
    {
        const std::tuple<float, double, double, float> rows[] = {
            {359.5F, 360, 1, 0.0F},     // +1 degree
            {10, 20, 25, 0.0F},         // a 25 s stall on a 20 s turn
            {10, 40, 0.5, 14.5F},       // 4.5 degrees, the sum stored as a float
            {0.5F, 360, -1, 359.5F},
            {10, 20, -25, 280.0F},      // 450 degrees back
        };
        for (auto [angle, period, elapsed, expected] : rows) {
            AdvanceAngle(angle, period, elapsed);
            QCOMPARE(angle, expected);
        }
    }

    void everyBodyMovesWithoutSelection()
    {
        SceneState scene = SceneAt(220);
        AdvanceAnimation(scene, 1.0);
        for (int id = Mercury; id <= Pluto; ++id) {
            QVERIFY2(scene.OrbitAngle[id] > 0, qPrintable(QString::number(id)));
            if (id != Moon) {
                QVERIFY2(scene.SpinAngle[id] > 0, qPrintable(QString::number(id)));
            }
        }
        QCOMPARE(scene.SpinAngle[Moon], 0.0F); // the Moon turns by MoonSpin
        QCOMPARE(scene.SunSpin, 18.0F);      // 20 s per turn
        QCOMPARE(scene.MoonSpin, 9.0F);      // 40 s per turn
        QCOMPARE(scene.OrbitAngle[Earth], static_cast<float>(360 / (220 / 1.0)));
        QCOMPARE(scene.OrbitAngle[Moon], static_cast<float>(360 / (220 / 12.0 / 1.0)));
    }

    void theEarthOrbitsOnceAYear()
    {
        SceneState scene = SceneAt(220);
        Animate(scene, 219, 0.5);
        QVERIFY(scene.OrbitAngle[Earth] > 357);
        Animate(scene, 1.5, 0.5);
        QVERIFY(scene.OrbitAngle[Earth] < 3);
    }

    void fasterSpeedOnlyChangesTheYearlyRates()
    {
        SceneState slow = SceneAt(220);
        SceneState fast = SceneAt(10);
        AdvanceAnimation(slow, 0.01);
        AdvanceAnimation(fast, 0.01);
        QVERIFY(qFuzzyCompare(fast.OrbitAngle[Mars], 22 * slow.OrbitAngle[Mars]));
        QVERIFY(qFuzzyCompare(fast.SpinAngle[Earth], 22 * slow.SpinAngle[Earth]));
        QCOMPARE(fast.SunSpin, slow.SunSpin);
        QCOMPARE(fast.MoonSpin, slow.MoonSpin);
    }

    // At real time a frame turns the Earth by some 1e-6 degree, below a
    // float's spacing past 32 degrees. Once the sky is real the spins run on
    // the spin clock: an hour at 60 or 144 frames a second turns each body by
    // its rate times an hour (Earth 10 turns a 220 s year of 365.25 days,
    // Jupiter one in 250/365 of it, Pluto in 1000/365, the Sun in 20 s, the
    // Moon in 40 s), from where it stood, and a new speed goes on from there.
    void spinsKeepTurningAtRealTime_data()
    {
        QTest::addColumn<int>("framesPerSecond");
        QTest::newRow("60 Hz") << 60;
        QTest::newRow("144 Hz") << 144;
    }

    void spinsKeepTurningAtRealTime()
    {
        QFETCH(int, framesPerSecond);
        SceneState scene = SceneAt(220);
        scene.SpinAngle[Earth] = 100;
        scene.SpinAngle[Jupiter] = 300;
        scene.SpinAngle[Pluto] = 359.99F;
        scene.SunSpin = 200;
        scene.MoonSpin = 250;
        StartSpinClock(scene);
        const double step = RateFactor(SkyRate::RealTime, 220) / framesPerSecond;
        for (int frame = 0; frame < 3600 * framesPerSecond; ++frame) {
            AdvanceAnimation(scene, step);
        }
        const std::pair<float, double> turned[] = {{scene.SpinAngle[Earth], 100.41068},
                                                   {scene.SpinAngle[Jupiter], 300.05996},
                                                   {scene.SpinAngle[Pluto], 0.00499},
                                                   {scene.SunSpin, 200.45175},
                                                   {scene.MoonSpin, 250.22587}};
        for (const auto& [angle, expected] : turned) {
            QVERIFY2(std::abs(angle - expected) < 2e-4, qPrintable(QString::number(angle, 'f', 5)));
        }
        ComputeRates(scene, 110); // half the year: twice the rate, from the angle reached
        AdvanceAnimation(scene, 110.0 / 10 / 4);
        QVERIFY2(std::abs(scene.SpinAngle[Earth] - 190.41068) < 2e-4, qPrintable(QString::number(scene.SpinAngle[Earth])));
    }

    void theSelectedBodyStopsOnItsOrbit_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<int>>("held");
        QTest::newRow("Sun") << int(Sun) << QList<int>{};
        QTest::newRow("Mercury") << int(Mercury) << QList<int>{Mercury};
        QTest::newRow("Earth") << int(Earth) << QList<int>{Earth};
        QTest::newRow("Moon") << int(Moon) << QList<int>{Earth, Moon};
        QTest::newRow("Saturn") << int(Saturn) << QList<int>{Saturn};
        QTest::newRow("Pluto") << int(Pluto) << QList<int>{Pluto};
    }

    void theSelectedBodyStopsOnItsOrbit()
    {
        QFETCH(int, selected);
        QFETCH(QList<int>, held);
        SceneState scene = SceneAt(10);
        scene.Selected = static_cast<std::uint8_t>(selected);
        AdvanceAnimation(scene, 0.5);
        for (int id = Mercury; id <= Pluto; ++id) {
            const bool stays = held.contains(id);
            QVERIFY2((scene.OrbitAngle[id] == 0) == stays, qPrintable(QString::number(id)));
            if (id != Moon) {
                QVERIFY2(scene.SpinAngle[id] > 0, "a selected body keeps turning");
            }
        }
        QVERIFY(scene.SunSpin > 0);
    }

    // Selection buffers as OpenGL writes them: per record the name count, the
    // minimum and maximum depth, then the names.
    void nearestNamedHitReadsTheRecords_data()
    {
        QTest::addColumn<HitBuffer>("buffer");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("expected");
        const GLuint far = 0xF0000000U;
        QTest::newRow("no hits") << HitBuffer{1, 5, 9, 3} << 0 << 0;
        QTest::newRow("one record") << HitBuffer{1, 5, 9, 3} << 1 << 3;
        QTest::newRow("nearer later record") << HitBuffer{1, 50, 90, 1, 1, 40, 60, 2} << 2 << 2;
        QTest::newRow("equal depths: the first") << HitBuffer{1, 40, 90, 1, 1, 40, 60, 2} << 2 << 1;
        QTest::newRow("unnamed nearer record") << HitBuffer{0, 1, 2, 1, 50, 90, 6} << 2 << 6;
        QTest::newRow("only unnamed") << HitBuffer{0, 1, 2, 0, 3, 4} << 2 << 0;
        QTest::newRow("depths unsigned") << HitBuffer{1, far, far, 1, 1, 0x7FFFFFFFU, far, 4} << 2 << 4;
        QTest::newRow("first of several names") << HitBuffer{2, 5, 9, 4, 5} << 1 << 4;
        QTest::newRow("overflow") << HitBuffer{1, 5, 9, 3} << -1 << 0;
        QTest::newRow("names run past the end") << HitBuffer{1, 50, 90, 1, 3, 10, 20, 2} << 2 << 1;
        QTest::newRow("header cut short") << HitBuffer{1, 50, 90, 1, 1, 10} << 2 << 1;
        QTest::newRow("more hits than records") << HitBuffer{1, 50, 90, 7} << 3 << 7;
        QTest::newRow("huge name count") << HitBuffer{0xFFFFFFFFU, 1, 2, 3} << 1 << 0;
    }

    void nearestNamedHitReadsTheRecords()
    {
        QFETCH(HitBuffer, buffer);
        QFETCH(int, hits);
        QFETCH(int, expected);
        QCOMPARE(int(NearestNamedHit(buffer, hits)), expected);
    }

    void catalogueHoldsTheNinePlanets()
    {
        XPModule::InitPlanetData();
        const auto& planets = XPModule::Planets;
        QCOMPARE(planets[1].Name, std::string("Merkurius"));
        QCOMPARE(planets[3].Name, std::string("Bumi"));
        QCOMPARE(planets[9].Name, std::string("Pluto"));
        QCOMPARE(planets[10].Name, std::string());
        QCOMPARE(planets[10].Diameter, 0.0);
        QCOMPARE(planets[3].OrbitalPeriod, 365.2);
        QCOMPARE(planets[5].Diameter, 142984.0);
        QCOMPARE(planets[8].SunDistance, 4495.1);
        QCOMPARE(planets[9].Obliquity, 122.5);
        // Retrograde rotations are negative; day lengths never are.
        for (int index : {2, 7, 9}) {
            QVERIFY(planets[index].RotationPeriod < 0);
        }
        for (int index = 1; index <= 9; ++index) {
            QVERIFY(planets[index].DayLength > 0);
        }
        QCOMPARE(planets[2].RotationPeriod, -5832.5);
    }
};

QTEST_GUILESS_MAIN(SceneStateTest)
#include "test_scene_state.moc"
