#include "body_names.h"
#include "gl_scene_fixture.h"
#include "hit_records.h"
#include "heap_in_use.h"
#include "scene_geometry.h"
#include "scene_renderer.h"
#include "texture_loader.h"

#include <QOpenGLFunctions>
#include <QtTest>

#include <functional>

namespace {

// Scene-frame position of a planet at `angle` degrees on an orbit of `distance`.
QVector3D OnOrbit(double distance, double angle)
{
    const double radians = qDegreesToRadians(angle);
    return QVector3D(float(distance * std::cos(radians)), 0, float(-distance * std::sin(radians)));
}

FrameInputs StartView(bool showOrbits = false)
{
    FrameInputs inputs;
    inputs.panY = 5;
    inputs.tilt = 25;
    inputs.showOrbits = showOrbits;
    return inputs;
}

// The line segments a frame draws, caught in feedback mode through a
// projection wide enough to hold the whole scene, and their ends brought
// back to eye coordinates (a rigid image of the scene frame).
struct FrameLines {
    int segments = 0;
    std::vector<QVector3D> ends;
};

FrameLines LinesOf(const std::function<void()>& draw)
{
    constexpr float kHalfWidth = 150;
    constexpr float kHalfDepth = 300;
    std::vector<GLfloat> feedback(1 << 20);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-kHalfWidth, kHalfWidth, -kHalfWidth, kHalfWidth, -kHalfDepth, kHalfDepth);
    glMatrixMode(GL_MODELVIEW);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint values = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);

    FrameLines lines;
    const auto eye = [&](std::size_t at) {
        return QVector3D((feedback[at] / GlSceneFixture::kWidth * 2 - 1) * kHalfWidth,
                         (feedback[at + 1] / GlSceneFixture::kHeight * 2 - 1) * kHalfWidth,
                         -(feedback[at + 2] * 2 - 1) * kHalfDepth);
    };
    for (GLint i = 0; i < values;) {
        const auto at = static_cast<std::size_t>(i);
        const auto token = static_cast<GLint>(feedback[at]);
        switch (token) {
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            ++lines.segments;
            lines.ends.push_back(eye(at + 1));
            lines.ends.push_back(eye(at + 4));
            i += 1 + 2 * 3;
            break;
        case GL_POLYGON_TOKEN:
            i += 2 + 3 * static_cast<GLint>(feedback[at + 1]);
            break;
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            i += 1 + 3;
            break;
        default: // GL_PASS_THROUGH_TOKEN
            i += 2;
            break;
        }
    }
    return lines;
}

int LineSegments(const std::function<void()>& draw)
{
    return LinesOf(draw).segments;
}

// Fills every texture slot with one texel: white in the slots of `white`,
// black in the others.
void PaintTextureSlots(const std::function<bool(int slot)>& white)
{
    for (int slot = 0; slot < OGLModule::kTextureSlotCount; ++slot) {
        const std::array<GLubyte, 4> texel = white(slot) ? std::array<GLubyte, 4>{255, 255, 255, 255}
                                                         : std::array<GLubyte, 4>{0, 0, 0, 255};
        glBindTexture(GL_TEXTURE_2D, OGLModule::TextureNames[slot]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel.data());
    }
}

} // namespace

class SceneRendererTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(gl.SetUp()); }
    void cleanupTestCase() { gl.TearDown(); }

    void init()
    {
        scene = SceneState{};
        scene.CameraAngle = 90;
        ComputeRates(scene, 220);
    }

    void theSunIsAtTheCentreOfTheStartView()
    {
        RenderScene(scene, StartView());
        const QPointF sun = gl.Project(0, 0, 0);
        QVERIFY(qAbs(sun.x() - GlSceneFixture::kWidth / 2.0) < 2);
        const QColor colour = gl.PixelAt(qRound(sun.x()), qRound(sun.y()));
        QVERIFY2(colour.red() > 60 && colour.red() > colour.blue(), qPrintable(colour.name()));
        QCOMPARE(gl.PixelAt(3, 3), QColor(Qt::black));
    }

    // Brought 25 units nearer, the Sun is still lit from in front: its light
    // moves with it, and comes back with it.
    void aShiftedSunKeepsItsLight()
    {
        FrameInputs inputs = StartView();
        inputs.tilt = 0;
        RenderScene(scene, inputs);
        const long unshifted = gl.Brightness(gl.Project(0, 0, 0), 1);
        inputs.camera = {.active = true, .turn = 0, .shift = {0, 0, 25}};
        RenderScene(scene, inputs);
        QVERIFY2(gl.Brightness(gl.Project(0, 0, 0), 1) > unshifted * 0.8, qPrintable(QString::number(unshifted)));
        inputs.camera.shift = {40, 0, 0};
        RenderScene(scene, inputs);
        inputs.camera = {};
        RenderScene(scene, inputs); // the lights are back where they were
        QCOMPARE(gl.Brightness(gl.Project(0, 0, 0), 1), unshifted);
    }

    void aPlanetStandsWhereItsOrbitAngleSays()
    {
        RenderScene(scene, StartView());
        const QVector3D east = OnOrbit(18, 0);
        const QVector3D west = OnOrbit(18, 180);
        const QPointF eastPixel = gl.Project(east.x(), east.y(), east.z());
        const QPointF westPixel = gl.Project(west.x(), west.y(), west.z());
        QVERIFY(gl.Brightness(eastPixel, 1) > 0);
        QCOMPARE(gl.Brightness(westPixel, 1), 0L);

        scene.OrbitAngle[Venus] = 180;
        RenderScene(scene, StartView());
        QCOMPARE(gl.Brightness(eastPixel, 1), 0L);
        QVERIFY(gl.Brightness(westPixel, 1) > 0);
    }

    void orbitLinesOnlyWhenAsked()
    {
        FrameInputs inputs = StartView();
        RenderScene(scene, inputs);
        const QPointF onMercuryOrbit = gl.Project(-10.1, 0, 0);
        QCOMPARE(gl.Brightness(onMercuryOrbit, 2), 0L);

        inputs.showOrbits = true;
        RenderScene(scene, inputs);
        QVERIFY(gl.Brightness(onMercuryOrbit, 2) > 0);
    }

    void theSelectedEarthGetsAShell()
    {
        scene.OrbitAngle[Earth] = 60;
        const QVector3D earth = OnOrbit(25, 60);
        RenderScene(scene, StartView());
        // Just outside the Earth, inside its shell.
        const QPointF besideEarth = gl.Project(earth.x(), earth.y() + 1.62, earth.z());
        QCOMPARE(gl.Brightness(besideEarth, 0), 0L);

        for (std::uint8_t other : {std::uint8_t{Moon}, std::uint8_t{Mars}}) {
            scene.Selected = other;
            RenderScene(scene, StartView());
            QCOMPARE(gl.Brightness(besideEarth, 0), 0L);
        }
        scene.Selected = Earth;
        RenderScene(scene, StartView());
        QVERIFY(gl.Brightness(besideEarth, 0) > 0);
    }

    void theSelectedSunGetsAHalo()
    {
        RenderScene(scene, StartView());
        const QPointF besideSun = gl.Project(3.6, 0, 0);
        const long plain = gl.Brightness(besideSun, 1);
        scene.Selected = Sun;
        RenderScene(scene, StartView());
        QVERIFY2(gl.Brightness(besideSun, 1) > plain, "the halo brightens the Sun's surroundings");
    }

    void theFixedFrameIgnoresPanAndHasALargerSun()
    {
        RenderScene(scene, StartView());
        const QPointF sun = gl.Project(0, 0, 0);
        const QPointF edgeOfLargerSun = gl.Project(3.7, 0, 0);

        FrameInputs moved = StartView();
        moved.panX = 12;
        moved.tilt = 60;
        RenderScene(scene, moved);
        QCOMPARE(gl.Brightness(sun, 0), 0L);

        RenderFixedScene(scene, moved);
        QVERIFY(gl.Brightness(sun, 0) > 0);
        // The flare adds light all round, so the larger Sun shows in the
        // depth buffer, which the flare leaves alone.
        QVERIFY(gl.DepthAt(edgeOfLargerSun) < 1);
        // It keeps its own placement when the real sky has others.
        const QPointF middle(GlSceneFixture::kWidth / 2.0, GlSceneFixture::kHeight / 2.0);
        const long picture = gl.Brightness(middle, 230);
        scene.Real = {.moonReal = true, .moonOffset = {0, 3, 0}, .trueOrbits = true};
        RenderFixedScene(scene, moved);
        QCOMPARE(gl.Brightness(middle, 230), picture);
        scene.Real = {};
        RenderScene(scene, StartView());
        QCOMPARE(gl.DepthAt(edgeOfLargerSun), 1.0F);
    }

    void picksCarryBodyIds()
    {
        RenderScene(scene, StartView());
        const QPointF sun = gl.Project(0, 0, 0);
        const QVector3D venus = OnOrbit(18, 0);
        const QPointF venusPixel = gl.Project(venus.x(), venus.y(), venus.z());
        const QPointF mercuryOrbit = gl.Project(-10.1, 0, 0);

        scene.RenderMode = kRenderModeSelect;
        FrameInputs inputs = StartView(true);
        const auto pickAt = [&](QPointF point) {
            gl.UsePickProjection(point.x(), point.y());
            return gl.Select([&] { RenderScene(scene, inputs); });
        };

        const auto overSun = pickAt(sun);
        QCOMPARE(NearestNamedHit(overSun.buffer, overSun.hits), std::uint8_t{Sun});

        const auto overVenus = pickAt(venusPixel);
        QCOMPARE(NearestNamedHit(overVenus.buffer, overVenus.hits), std::uint8_t{Venus});

        const auto overOrbit = pickAt(mercuryOrbit);
        QVERIFY(overOrbit.hits > 0);
        QVERIFY(HasUnnamedHit(overOrbit));
        QVERIFY(NamedHits(overOrbit).empty());

        const auto overNothing = pickAt(QPointF(3, 3));
        QCOMPARE(overNothing.hits, 0);
        gl.UseViewProjection();
    }

    void everyFrameLeavesTheStateAsItFoundIt_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("select");
        for (int selected : {0, 1, 4, 5}) {
            for (bool fixed : {false, true}) {
                for (bool select : {false, true}) {
                    QTest::addRow("selected %d%s%s", selected, fixed ? ", fixed" : "", select ? ", picking" : "")
                        << selected << fixed << select;
                }
            }
        }
    }

    void everyFrameLeavesTheStateAsItFoundIt()
    {
        QFETCH(int, selected);
        QFETCH(bool, fixed);
        QFETCH(bool, select);
        scene.Selected = static_cast<std::uint8_t>(selected);
        FrameInputs inputs = StartView(true);
        const auto draw = [&] { fixed ? RenderFixedScene(scene, inputs) : RenderScene(scene, inputs); };
        if (select) {
            // Names are kept only while selecting: the stack must end empty.
            GLint nameDepth = -1;
            gl.Select([&] {
                draw();
                glGetIntegerv(GL_NAME_STACK_DEPTH, &nameDepth);
            });
            QCOMPARE(nameDepth, 0);
        } else {
            draw();
        }
        QVERIFY(glIsEnabled(GL_LIGHT0));
        QVERIFY(!glIsEnabled(GL_LIGHT1));
        QVERIFY(!glIsEnabled(GL_BLEND));
        QVERIFY(glIsEnabled(GL_DEPTH_TEST));
        QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    }

    void linesAreClosedLoopsOfTheRightLength()
    {
        FrameInputs inputs = StartView();
        // Saturn's ring: six circles of 121 vertices in one closed line.
        QCOMPARE(LineSegments([&] { RenderScene(scene, inputs); }), 6 * 121);
        // Nine orbits of 121 vertices each, closed.
        inputs.showOrbits = true;
        QCOMPARE(LineSegments([&] { RenderScene(scene, inputs); }), 6 * 121 + 9 * 121);
        // The fixed frame has no ring.
        inputs.showOrbits = false;
        QCOMPARE(LineSegments([&] { RenderFixedScene(scene, inputs); }), 0);
    }

    // With true orbits Saturn's ring lies in its equator: every vertex of
    // the ring stands square to the pole, here marked by Mercury's line, one
    // segment from Saturn's centre along the pole.
    void aTrueAxisStandsTheRingInTheEquator()
    {
        FrameInputs inputs = StartView(true);
        scene.Real.trueOrbits = true;
        scene.Real.centre[Saturn] = {30, 2, -10};
        const QVector3D pole = QVector3D(0.3F, 0.8F, -0.5F).normalized();
        scene.Real.pole[Saturn] = {pole.x(), pole.y(), pole.z()};
        const std::array<std::array<double, 3>, 2> axis{{{30, 2, -10}, {30 + pole.x(), 2 + pole.y(), -10 + pole.z()}}};
        CompileTrueOrbitLine(Mercury, axis);
        const FrameLines lines = LinesOf([&] { RenderScene(scene, inputs); });
        CompileTrueOrbitLine(Mercury, {});
        QCOMPARE(lines.segments, 1 + 6 * 121);
        const QVector3D centre = lines.ends[0];
        const QVector3D drawnPole = lines.ends[1] - centre;
        for (std::size_t i = 2; i < lines.ends.size(); ++i) {
            const QVector3D out = lines.ends[i] - centre;
            QVERIFY2(std::fabs(QVector3D::dotProduct(out, drawnPole)) < 0.05 && out.length() > 3.9 && out.length() < 4.6,
                     qPrintable(QString::number(i)));
        }
    }

    void selectionPassesDoNotGrowMemory()
    {
#ifdef SOLAR_SANITIZED
        QSKIP("the sanitizer's allocator is not malloc's; its leak checker watches instead");
#endif
        FrameInputs inputs = StartView(true);
        scene.RenderMode = kRenderModeSelect;
        const auto pass = [&](int index) {
            scene.Selected = index % 2 == 0 ? Sun : Earth;
            gl.UsePickProjection(GlSceneFixture::kWidth / 2.0, GlSceneFixture::kHeight / 2.0);
            gl.Select([&] { RenderScene(scene, inputs); });
        };
        for (int i = 0; i < 100; ++i) {
            pass(i);
        }
        const long before = HeapKilobytesInUse();
        for (int i = 0; i < 2000; ++i) {
            pass(i);
        }
        gl.UseViewProjection();
        const long growth = HeapKilobytesInUse() - before;
        QVERIFY2(growth < 200, qPrintable(QString("grew by %1 kB").arg(growth)));
    }

    void theCameraTurnsOnlyWhenSpinning()
    {
        FrameInputs inputs = StartView();
        inputs.elapsedSeconds = 0.5;
        RenderScene(scene, inputs);
        QCOMPARE(scene.CameraAngle, 90.0F);

        inputs.spinCamera = true;
        inputs.elapsedSeconds = 0;
        RenderScene(scene, inputs);
        QCOMPARE(scene.CameraAngle, 90.0F);

        inputs.elapsedSeconds = 0.5;
        RenderScene(scene, inputs);
        QCOMPARE(scene.CameraAngle, 94.5F);

        scene.CameraAngle = 359;
        inputs.elapsedSeconds = 2.0 / 9; // two degrees
        RenderScene(scene, inputs);
        QCOMPARE(scene.CameraAngle, 0.0F);
    }

    // Each body, brought to the middle of the view by the pan, is drawn
    // with the image of its slot and no other: bright when only that slot
    // is white, dark when every slot but that one is.
    void everyBodyWearsItsTexture_data()
    {
        QTest::addColumn<QVector3D>("centre"); // in the scene frame, all angles 0
        QTest::addColumn<int>("slot");
        QTest::newRow("Sun") << QVector3D(0, 0, 0) << 1;
        const std::pair<float, int> planets[] = {{10, 2}, {18, 3}, {25, 4}, {39, 6}, {50, 7},
                                                 {65, 8}, {74, 9}, {80, 10}, {85, 11}};
        for (const auto& [distance, slot] : planets) {
            QTest::addRow("slot %d", slot) << QVector3D(distance, 0, 0) << slot;
        }
        const float offset = float(3 * std::sqrt(0.5));
        QTest::newRow("Moon") << QVector3D(25, offset, offset) << 5;
    }

    void everyBodyWearsItsTexture()
    {
        QFETCH(QVector3D, centre);
        QFETCH(int, slot);
        FrameInputs inputs = StartView();
        inputs.panX = -centre.x();
        const auto brightnessWith = [&](const std::function<bool(int)>& white) {
            PaintTextureSlots(white);
            RenderScene(scene, inputs);
            return gl.Brightness(gl.Project(centre.x(), centre.y(), centre.z()), 0);
        };
        const long own = brightnessWith([slot](int other) { return other == slot; });
        const long others = brightnessWith([slot](int other) { return other != slot; });
        QVERIFY(LoadTextureFiles(QCoreApplication::applicationDirPath()));
        QVERIFY2(own > 60, qPrintable(QString::number(own)));
        QCOMPARE(others, 0L);
    }

    // Jupiter a quarter turn round stands behind the eye of the start view,
    // Saturn before it.
    void aBodyBehindTheEyeIsNotInFront()
    {
        scene.OrbitAngle[Jupiter] = 270;
        BodyPlaces places;
        FrameInputs inputs = StartView();
        inputs.places = &places;
        RenderScene(scene, inputs);
        QVERIFY(places[Saturn].inFront);
        QVERIFY(!places[Jupiter].inFront);
    }

    void onlyABodyInFrontIsNamed_data()
    {
        QTest::addColumn<bool>("inFront");
        QTest::newRow("in front") << true;
        QTest::newRow("behind the eye") << false;
    }

    // Its place in the middle of the view, its name would stand right of it.
    void onlyABodyInFrontIsNamed()
    {
        QFETCH(bool, inFront);
        BodyPlaces places;
        const QPointF middle(GlSceneFixture::kWidth / 2.0, GlSceneFixture::kHeight / 2.0);
        places[Jupiter] = {.inFront = inFront, .x = middle.x(), .y = middle.y(), .extent = 10};
        glClear(GL_COLOR_BUFFER_BIT);
        BodyNameLabels names;
        names.Draw(places, 1);
        const long named = gl.Brightness(middle + QPointF(40, 0), 10);
        names.Release();
        QCOMPARE(named > 0, inFront);
    }

    // The sky clears opaque. Under X11 the view's surface has no alpha and
    // blending reads a destination alpha of 1; a buffer that keeps alpha (as
    // under Wayland) must show the same halo, whose two quads blend by the
    // destination's alpha, over an opaque sky.
    void theSkyIsOpaqueWhereTheBufferKeepsAlpha()
    {
        scene.Selected = Sun;
        const QPointF halo = gl.Project(3.6, 0, 0);
        RenderScene(scene, StartView());
        const long withoutAlpha = gl.Brightness(halo, 4);

        GLint fixtureBuffer = 0;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &fixtureBuffer);
        QOpenGLFramebufferObjectFormat format;
        format.setAttachment(QOpenGLFramebufferObject::Depth);
        format.setInternalTextureFormat(GL_RGBA8);
        QOpenGLFramebufferObject withAlpha(GlSceneFixture::kWidth, GlSceneFixture::kHeight, format);
        QVERIFY(withAlpha.bind());
        RenderScene(scene, StartView());
        std::array<GLubyte, 4> sky{};
        glReadPixels(3, 3, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, sky.data());
        const long keptAlpha = gl.Brightness(halo, 4);
        QOpenGLContext::currentContext()->functions()->glBindFramebuffer(GL_FRAMEBUFFER,
                                                                          static_cast<GLuint>(fixtureBuffer));
        QCOMPARE(sky[3], GLubyte{255});
        QVERIFY(withoutAlpha > 0);
        QCOMPARE(keptAlpha, withoutAlpha);
    }

private:
    GlSceneFixture gl;
    SceneState scene;
};

QTEST_MAIN(SceneRendererTest)
#include "test_scene_renderer.moc"
