// The planets' moons in the view: their distance map, their animated
// periods, where the real sky draws them, picking, the card, following, and
// the view unchanged with "Lune dei pianeti" off.

#include "body_orbits.h"
#include "gl_view.h"
#include "info_card.h"
#include "main_window_fixture.h"
#include "moon_systems.h"
#include "planet_moons.h"
#include "scene_geometry.h"
#include "sky_bodies.h"

#include <QAction>
#include <QLabel>
#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

// JPL's mean distances (km) and sidereal periods (days).
struct Published {
    MoonId moon;
    double distanceKm;
    double periodDays;
    bool retrograde = false;
};
constexpr Published kIo{Io, 421800, 1.769};
constexpr Published kEuropa{Europa, 671100, 3.551};
constexpr Published kGanymede{Ganymede, 1070400, 7.155};
constexpr Published kTitan{Titan, 1221870, 15.945};
constexpr Published kPhobos{Phobos, 9376, 0.319};
constexpr Published kCharon{Charon, 19591, 6.387};
constexpr Published kTriton{Triton, 354759, 5.877, true};

// The scene frame: the ecliptic's x on +X, its y on -Z, its north on +Y.
Vector3 InScene(const Vector3& ecliptic)
{
    return {ecliptic[0], ecliptic[2], -ecliptic[1]};
}

double DegreesBetween(QPointF a, QPointF b)
{
    const double cosine = (a.x() * b.x() + a.y() * b.y()) / std::hypot(a.x(), a.y()) / std::hypot(b.x(), b.y());
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / std::numbers::pi;
}

} // namespace

class MoonViewTest : public LoadedWindowTest {
    Q_OBJECT

    // The view glides to `planet` (or to what it follows) and rests there.
    void Glide(BodyId planet = NoBody)
    {
        OGLWin& w = fixture->Window();
        if (planet != NoBody) {
            w.Rig.Camera.Follow(planet, {});
        }
        for (int pass = 0; pass < 20; ++pass) {
            fixture->Pass(0.1);
        }
    }

    // The sky real and held at `utc`, the moons and the names on, `planet` followed.
    void ShowMoonsAt(const char* utc, BodyId planet)
    {
        OGLWin& w = fixture->Window();
        QVERIFY(w.SetSkyMoment(QDateTime::fromString(utc, Qt::ISODate)));
        Tempo(w).mnupausa->trigger();
        Vista(w).mnulune->trigger();
        Vista(w).mnunomi->setChecked(true);
        Glide(planet);
    }

private slots:
    // Jupiter's three inner moons: spaced as the logarithms of their published
    // distances, the innermost clear of the planet, the largest the largest.
    void distanceMapKeepsOrderAndSpacing()
    {
        const double io = MoonDrawnDistance(Io);
        const double spacing = (MoonDrawnDistance(Europa) - io) / (MoonDrawnDistance(Ganymede) - io);
        QCOMPARE_LE(std::abs(spacing - std::log(kEuropa.distanceKm / kIo.distanceKm) /
                                           std::log(kGanymede.distanceKm / kIo.distanceKm)),
                    1e-3);
        for (MoonId moon : {Io, Mimas, Phobos, Triton, Charon}) {
            const BodyId planet = FactsOf(moon).planet;
            QCOMPARE_GT(MoonDrawnDistance(moon) - MoonRadius(moon), BodyExtent(planet));
            QCOMPARE_LE(MoonRadius(moon), SphereRadius(Moon));
        }
        QCOMPARE_GT(MoonRadius(Ganymede), MoonRadius(Io));
        QCOMPARE_LT(MoonDrawnDistance(Titan), MoonDrawnDistance(Iapetus));
    }

    // Before the sky is real a moon circles in its planet's equator and is
    // back where it was after its published period, scaled as the planet's,
    // seen from the north turning as the planets do, or against them.
    void animatedMoonsKeepTheirPeriods()
    {
        for (const Published& row : {kIo, kTitan, kPhobos, kCharon, kTriton}) {
            SceneState scene;
            const BodyId planet = FactsOf(row.moon).planet;
            const double planetDays = SkyBodies()[planet].animation.orbitDays;
            scene.OrbitAngle[planet] = 10;
            const Vector3 start = MoonOffsetInScene(scene, row.moon);
            scene.OrbitAngle[planet] = static_cast<float>(10 + 360 * row.periodDays / planetDays);
            const Vector3 turned = MoonOffsetInScene(scene, row.moon);
            scene.OrbitAngle[planet] = static_cast<float>(10 + 180 * row.periodDays / planetDays);
            const Vector3 half = MoonOffsetInScene(scene, row.moon);
            scene.OrbitAngle[planet] = static_cast<float>(10 + 36 * row.periodDays / planetDays);
            QCOMPARE(Cross(start, MoonOffsetInScene(scene, row.moon))[1] < 0, row.retrograde);
            QCOMPARE(start[1], 0.0);
            QCOMPARE_LE(Length(turned - start), 0.01 * Length(start));
            QCOMPARE_LT(Dot(half, start), -0.99 * Dot(start, start));
        }
    }

    // Drawn in the direction its theory gives from its planet, picked under
    // its own id, with its card; a double click follows it.
    void realMoonsAreDrawnPickedAndFollowed_data()
    {
        QTest::addColumn<int>("moon");
        QTest::addColumn<QString>("utc");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("planetLine");
        QTest::newRow("Io") << int(Io) << "1992-12-16T00:00:00Z" << "Io" << "Luna di Giove";
        QTest::newRow("Titano") << int(Titan) << "1999-09-19T00:00:00Z" << "Titano" << "Luna di Saturno";
        QTest::newRow("Caronte") << int(Charon) << "2015-07-14T12:00:00Z" << "Caronte" << "Luna di Plutone";
    }

    void realMoonsAreDrawnPickedAndFollowed()
    {
        QFETCH(int, moon);
        QFETCH(QString, utc);
        QFETCH(QString, name);
        QFETCH(QString, planetLine);
        OGLWin& w = fixture->Window();
        const auto id = static_cast<MoonId>(moon);
        const BodyId planet = FactsOf(id).planet;
        ShowMoonsAt(qPrintable(utc), planet);

        const auto offset = MoonOffset(id, JulianEphemerisDay(w.Time.JulianDay()));
        QVERIFY(offset);
        const Vector3 centre = BodyCentre(w.Scene, planet);
        const Vector3 towards = centre + InScene(*offset / Length(*offset)) * MoonDrawnDistance(id);
        const QPointF expected = fixture->ViewPointOf(towards[0], towards[1], towards[2]) -
                                 fixture->ViewPointOf(centre[0], centre[1], centre[2]);
        const QPointF drawn = fixture->DrawnAt(id) - fixture->DrawnAt(planet);
        QCOMPARE_LT(DegreesBetween(drawn, expected), 2.0);
        QCOMPARE_LT(std::abs(std::hypot(drawn.x(), drawn.y()) / std::hypot(expected.x(), expected.y()) - 1), 0.02);

        fixture->PointAt(fixture->DrawnAt(id));
        QCOMPARE(w.Scene.Selected, std::uint8_t(id));
        InfoCard* card = WindowParts::Card(w);
        QCOMPARE(card->lblName->text(), name);
        QVERIFY2(card->lblFigures->text().startsWith(planetLine + "\nDiametro: "), qPrintable(card->lblFigures->text()));
        QVERIFY(card->lblFigures->text().contains("Distanza media dal pianeta: "));

        w.glView1_DblClick(static_cast<float>(fixture->DrawnAt(id).x()), static_cast<float>(fixture->DrawnAt(id).y()));
        Glide();
        // The eye looks at the view's middle.
        const QPointF middle(Ui(w).glView1->width() / 2.0, Ui(w).glView1->height() / 2.0);
        QCOMPARE_LT(QLineF(fixture->DrawnAt(id), middle).length(), 2.0);

        // Turned off, the view follows the planet and the moon is let go.
        Vista(w).mnulune->trigger();
        QCOMPARE(w.Rig.Camera.Followed(), std::uint8_t(planet));
        QVERIFY(!IsMoonId(w.Scene.Selected));
    }

    // Turned on and off again, the view draws and picks as before; on, the
    // moon stands where nothing was.
    void offLeavesTheViewAsItWas()
    {
        OGLWin& w = fixture->Window();
        Tempo(w).mnupausa->trigger();
        Glide(Jupiter);
        const QImage before = w.FrameImage();
        Vista(w).mnulune->trigger();
        Vista(w).mnunomi->setChecked(true);
        fixture->Pass();
        const QPointF io = fixture->DrawnAt(Io);
        const QImage on = w.FrameImage();
        Vista(w).mnunomi->setChecked(false);
        Vista(w).mnulune->trigger();
        fixture->Pass();
        QCOMPARE(w.FrameImage(), before);
        const double ratio = Ui(w).glView1->devicePixelRatio();
        const QPoint pixel = (io * ratio).toPoint();
        QVERIFY(on.pixel(pixel) != before.pixel(pixel));
        fixture->PointAt(io);
        QVERIFY(w.Scene.Selected != Io);
    }
};

QTEST_MAIN(MoonViewTest)
#include "test_moon_view.moc"
