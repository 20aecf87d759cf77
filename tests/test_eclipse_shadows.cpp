#include "apparent_places.h"
#include "body_orbits.h"
#include "body_rotation.h"
#include "eclipse_geometry.h"
#include "event_view.h"
#include "gl_scene_fixture.h"
#include "scene_geometry.h"
#include "scene_renderer.h"
#include "true_sky_scene.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// Angular distance between two points of a globe, in degrees.
double ArcBetween(const SurfacePlace& a, const SurfacePlace& b)
{
    const double cosine = std::sin(Radians(a.latitude)) * std::sin(Radians(b.latitude)) +
                          std::cos(Radians(a.latitude)) * std::cos(Radians(b.latitude)) *
                              std::cos(Radians(a.longitude - b.longitude));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180 / std::numbers::pi;
}

BodyAxes AxesInScene(const SceneState& scene, BodyId body)
{
    return {scene.Real.pole[body], scene.Real.primeMeridian[body]};
}


std::vector<GLubyte> FramePixels()
{
    std::vector<GLubyte> rgb(static_cast<std::size_t>(GlSceneFixture::kWidth * GlSceneFixture::kHeight * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GlSceneFixture::kWidth, GlSceneFixture::kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Loads the model-view matrix of the scene frame of a frame drawn with
// `inputs` at camera angle 0, as the renderer places it.
void LoadSceneFrame(const FrameInputs& inputs)
{
    glLoadIdentity();
    const Vector3 eye = EyeAt(0);
    gluLookAt(eye[0], eye[1], eye[2], kLookAtCentre[0], kLookAtCentre[1], kLookAtCentre[2], 0, 1, 0);
    glTranslated(inputs.panX, inputs.panY, kSceneDepth);
    glRotated(inputs.tilt, 1, 0, 0);
    glRotated(inputs.camera.turn, 0, 1, 0);
    glTranslated(inputs.camera.shift[0], inputs.camera.shift[1], inputs.camera.shift[2]);
}

} // namespace

class EclipseShadowsTest : public QObject {
    Q_OBJECT

private slots:
    // Where the Sun stands overhead follows the almanac's equation of time
    // (apparent less mean solar time): Meeus's example 28.b (1992 October
    // 13.0 TD, +13m 42.6s) and the year's extremes (+16m 33s about 3
    // November, -14m 6s about 11 February). The report's rotation of the
    // Earth, a model of a few terms, drifts from the true one by under
    // 0.1 degrees over these decades.
    void theEarthTurnsItsNoonToTheSun_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::addColumn<double>("equationOfTimeMinutes");
        QTest::newRow("Meeus 28.b") << "1992-10-12T23:59:01" << 13.71;
        QTest::newRow("November") << "2024-11-03T12:00:00" << 16.55;
        QTest::newRow("February") << "2025-02-11T12:00:00" << -14.10;
    }

    void theEarthTurnsItsNoonToTheSun()
    {
        QFETCH(QString, utc);
        QFETCH(double, equationOfTimeMinutes);
        const SceneState scene = SkyScene(qPrintable(utc), true);
        const QTime time = Utc(qPrintable(utc)).time();
        // The hour angle of the Sun at Greenwich, from apparent noon.
        const double hourAngle = (time.msecsSinceStartOfDay() / 60000.0 + equationOfTimeMinutes) / 4 - 180;
        const double expected = std::remainder(-hourAngle, 360.0);
        const SurfacePlace under = SurfacePlaceOf(AxesInScene(scene, Earth), scene.Real.sunFromEarth);
        QVERIFY2(std::fabs(std::remainder(under.longitude - expected, 360.0)) < 0.15,
                 qPrintable(QString::number(under.longitude)));
    }

    // The Moon shows the Earth its near side, within the published reach of
    // its librations (7.9 degrees in longitude, 6.9 in latitude).
    void theMoonKeepsItsNearSideToTheEarth_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::newRow("J2000") << "2000-01-01T12:00:00";
        QTest::newRow("2027") << "2027-08-02T10:07:00";
        QTest::newRow("2063") << "2063-06-15T00:00:00";
    }

    void theMoonKeepsItsNearSideToTheEarth()
    {
        QFETCH(QString, utc);
        const SceneState scene = SkyScene(qPrintable(utc), true);
        const SurfacePlace under = SurfacePlaceOf(AxesInScene(scene, Moon), scene.Real.moonFromEarth * -1.0);
        QVERIFY2(std::fabs(under.longitude) < 7.9 && std::fabs(under.latitude) < 6.9,
                 qPrintable(QString("%1 %2").arg(under.latitude).arg(under.longitude)));
    }

    // The points of greatest eclipse NASA's eclipse pages give.
    void theShadowFallsWhereTheEclipseIsGreatest_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("2024-04-08") << "2024-04-08T18:17:20" << 25.29 << -104.14;
        QTest::newRow("2026-08-12") << "2026-08-12T17:46:00" << 65.2 << -25.2;
        QTest::newRow("2027-08-02") << "2027-08-02T10:07:00" << 25.5 << 33.2;
    }

    void theShadowFallsWhereTheEclipseIsGreatest()
    {
        QFETCH(QString, utc);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const SceneState scene = SkyScene(qPrintable(utc), true);
        const Vector3 foot = ShadowAxisFoot(scene.Real.sunFromEarth, scene.Real.moonFromEarth);
        const SurfacePlace place = SurfacePlaceOf(AxesInScene(scene, Earth), foot);
        QVERIFY2(ArcBetween(place, {latitude, longitude}) < 2,
                 qPrintable(QString("%1 %2").arg(place.latitude).arg(place.longitude)));
    }

    // Published umbral magnitudes at the greatest eclipse.
    void theEarthsShadowCoversTheMoonAsPublished_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::addColumn<double>("magnitude");
        QTest::newRow("total, 2025-03-14") << "2025-03-14T06:59:00" << 1.178;
        QTest::newRow("partial, 2026-08-28") << "2026-08-28T04:13:00" << 0.930;
    }

    void theEarthsShadowCoversTheMoonAsPublished()
    {
        QFETCH(QString, utc);
        QFETCH(double, magnitude);
        const double day = JulianDayOf(Utc(qPrintable(utc)));
        ApparentSky sky(day - 1, day + 1);
        const double found = UmbralMagnitude(sky.Place(Sun, day), sky.Place(Moon, day));
        QVERIFY2(std::fabs(found - magnitude) < 0.05, qPrintable(QString::number(found)));
    }

    // "Vai" on the eclipse of 2027-08-02 shows the Earth with the Moon's
    // shadow on it: the point the frame darkens most, against the same
    // frame with the Moon out of the way, is where the projection puts the
    // point of greatest eclipse.
    void theDrawnShadowLiesOnThePointOfGreatestEclipse()
    {
        GlSceneFixture gl;
        QVERIFY(gl.SetUp());
        SceneState scene = SkyScene("2027-08-02T10:07:00", true);
        FrameInputs inputs;
        inputs.panY = 5;
        inputs.tilt = 25;
        const EventView view = ViewOfEvent(scene, {.julianDay = 0, .type = SkyEventType::TotalSolarEclipse}, 25);
        QCOMPARE(view.body, Earth);
        ViewCamera camera;
        camera.Show(view.body, view.turn, {});
        while (!camera.AtRest() && camera.Eased() < 1) {
            camera.Advance(ViewCamera::kLongestStep);
        }
        inputs.camera = camera.Pose(scene, {.panX = 0, .panY = 5, .tilt = 25});
        BodyPlaces places;
        inputs.places = &places;
        gl.UseViewProjection(view.zoom);
        RenderScene(scene, inputs);
        const std::vector<GLubyte> eclipsed = FramePixels();
        const Vector3 moon = scene.Real.moonFromEarth;
        scene.Real.moonFromEarth = moon * -1.0; // behind the Earth, in its night
        RenderScene(scene, inputs);
        const std::vector<GLubyte> lit = FramePixels();

        const BodyPlace& earth = places[Earth];
        QVERIFY(earth.inFront && earth.extent > GlSceneFixture::kHeight / 8.0);
        QPoint darkest;
        double least = 1;
        for (int y = 0; y < GlSceneFixture::kHeight; ++y) {
            for (int x = 0; x < GlSceneFixture::kWidth; ++x) {
                if (std::hypot(x - earth.x, y - earth.y) > 0.95 * earth.extent) {
                    continue;
                }
                const auto at = static_cast<std::size_t>((y * GlSceneFixture::kWidth + x) * 3);
                const int before = lit[at] + lit[at + 1] + lit[at + 2];
                const int after = eclipsed[at] + eclipsed[at + 1] + eclipsed[at + 2];
                if (before > 60 && double(after) / before < least) {
                    least = double(after) / before;
                    darkest = {x, y};
                }
            }
        }
        QVERIFY2(least < 0.5, qPrintable(QString::number(least)));

        LoadSceneFrame(inputs);
        const auto projected = [&](const SurfacePlace& place) {
            const Vector3 point =
                BodyCentre(scene, Earth) + SurfaceDirection(AxesInScene(scene, Earth), place) * BodyExtent(Earth);
            return gl.Project(point[0], point[1], point[2]);
        };
        // The map turns with the globe: the sand of Arabia (20 N, 50 E)
        // stands where it should, far brighter than the Arabian Sea
        // (15 N, 65 E) beside it.
        RenderScene(scene, inputs);
        LoadSceneFrame(inputs);
        const long desert = gl.Brightness(projected({20, 50}), 2);
        const long sea = gl.Brightness(projected({15, 65}), 2);
        QVERIFY2(desert > 2 * sea, qPrintable(QString("%1 %2").arg(desert).arg(sea)));
        const QPointF expected = projected({25.5, 33.2});
        const double allowed = earth.extent * std::sin(Radians(2)) + 1.5;
        QVERIFY2(std::hypot(expected.x() - darkest.x(), expected.y() - darkest.y()) < allowed,
                 qPrintable(QString("drawn (%1, %2), expected (%3, %4)")
                                .arg(darkest.x())
                                .arg(darkest.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        gl.TearDown();
    }
};

QTEST_MAIN(EclipseShadowsTest)
#include "test_eclipse_shadows.moc"
