#include "gl_scene_fixture.h"
#include "scene_renderer.h"

#include <QtTest>

#include <vector>

// The sky behind the bodies in a real context: it stays put under "Quadro",
// turns with the view, is never picked and never in the fixed scene.
class StarBackdropTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(gl.SetUp());
        if (!QFile::exists(SkyBackdropFiles{}.catalogue)) {
            QSKIP("xplanet's data is not installed (packages.txt lists it)");
        }
        backdrop.Adopt(std::make_shared<const SkyBackdropData>(LoadSkyBackdrop({})));
        scene.CameraAngle = 90;
    }
    void cleanupTestCase()
    {
        backdrop.Release();
        gl.TearDown();
    }

    // Panned far aside, no body is in the view: only the sky is left, and
    // it is the same wherever "Quadro" stands; a drag's turn moves it.
    void staysUnderPanAndTurnsWithADrag()
    {
        FrameInputs inputs = SkyView();
        inputs.panX = 200;
        const std::vector<GLubyte> panned = Frame(inputs);
        QVERIFY(LitPixels(panned) > 100);
        inputs.panX = 260;
        inputs.panY = -40;
        QVERIFY(Frame(inputs) == panned);
        inputs.camera = {.active = true, .turn = 20};
        const std::vector<GLubyte> turned = Frame(inputs);
        QVERIFY(turned != panned);
        QVERIFY(LitPixels(turned) > 100);
    }

    // Wherever the view looks, every star to magnitude 4.5 it shows (the
    // discs and the brightest single pixels) is drawn where it projects: no
    // region of the sky in view is left out.
    void drawsEveryStarInView()
    {
        int seen = 0;
        for (const double tilt : {-70.0, 0.0, 25.0, 80.0}) {
            for (int turn = 0; turn < 360; turn += 45) {
                FrameInputs inputs = SkyView();
                inputs.backdropLayers = {.stars = true};
                inputs.panX = 200;
                inputs.tilt = tilt;
                inputs.camera = {.active = true, .turn = static_cast<float>(turn)};
                const std::vector<GLubyte> frame = Frame(inputs);
                for (const SkyBackdropData::Star& star : backdrop.Data()->stars) {
                    double x = 0;
                    double y = 0;
                    if (star.magnitude > 4.5 || !backdrop.Project(star.direction, x, y) || !Inside(x, y)) {
                        continue;
                    }
                    ++seen;
                    QVERIFY2(BrightestAround(frame, x, y) > 40,
                             qPrintable(QString("tilt %1, turn %2: dark at %3, %4").arg(tilt).arg(turn).arg(x).arg(y)));
                }
            }
        }
        QVERIFY2(seen > 500, qPrintable(QString::number(seen)));
    }

    void isNeverPicked()
    {
        FrameInputs inputs = SkyView();
        inputs.panX = 200;
        const std::vector<GLubyte> frame = Frame(inputs);
        // A lit pixel of the sky, picked through.
        int at = 0;
        while (at < static_cast<int>(frame.size()) / 4 && frame[static_cast<std::size_t>(at) * 4] < 40) {
            ++at;
        }
        gl.UsePickProjection(at % GlSceneFixture::kWidth, at / GlSceneFixture::kWidth);
        scene.RenderMode = kRenderModeSelect;
        const GlSceneFixture::Selection selection = gl.Select([&] { RenderScene(scene, inputs); });
        scene.RenderMode = kRenderModeRender;
        gl.UseViewProjection();
        QCOMPARE(selection.hits, 0);
    }

    void isNotInTheFixedScene()
    {
        FrameInputs inputs = SkyView();
        const std::vector<GLubyte> without = FixedFrame(FrameInputs{});
        QVERIFY(FixedFrame(inputs) == without);
    }

private:
    FrameInputs SkyView()
    {
        FrameInputs inputs;
        inputs.tilt = 25;
        inputs.backdrop = &backdrop;
        inputs.backdropLayers = {.stars = true, .figures = true, .milkyWay = true};
        return inputs;
    }

    std::vector<GLubyte> Pixels()
    {
        std::vector<GLubyte> pixels(std::size_t{GlSceneFixture::kWidth} * GlSceneFixture::kHeight * 4);
        glReadPixels(0, 0, GlSceneFixture::kWidth, GlSceneFixture::kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    std::vector<GLubyte> Frame(const FrameInputs& inputs)
    {
        RenderScene(scene, inputs);
        return Pixels();
    }

    std::vector<GLubyte> FixedFrame(const FrameInputs& inputs)
    {
        RenderFixedScene(scene, inputs);
        return Pixels();
    }

    static bool Inside(double x, double y)
    {
        return x >= 2 && y >= 2 && x < GlSceneFixture::kWidth - 2 && y < GlSceneFixture::kHeight - 2;
    }
    static std::size_t PixelIndex(double x, double y)
    {
        return (static_cast<std::size_t>(y) * GlSceneFixture::kWidth + static_cast<std::size_t>(x)) * 4;
    }

    // The brightest red of the pixel at (x, y) and its eight neighbours: a
    // point on a pixel's edge may land on either side.
    static GLubyte BrightestAround(const std::vector<GLubyte>& pixels, double x, double y)
    {
        GLubyte brightest = 0;
        for (const double dx : {-1, 0, 1}) {
            for (const double dy : {-1, 0, 1}) {
                brightest = std::max(brightest, pixels[PixelIndex(x + dx, y + dy)]);
            }
        }
        return brightest;
    }

    static int LitPixels(const std::vector<GLubyte>& pixels)
    {
        int lit = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            lit += pixels[i] > 40 ? 1 : 0;
        }
        return lit;
    }

    GlSceneFixture gl;
    SceneState scene;
    StarBackdrop backdrop;
};

QTEST_MAIN(StarBackdropTest)
#include "test_star_backdrop.moc"
