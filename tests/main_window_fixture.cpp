#include "main_window_fixture.h"

#include "gl_projection.h"
#include "gl_view.h"
#include "ogl_module.h"

#include <QtTest>

MainWindowFixture::MainWindowFixture(const std::function<void(OGLWin&)>& beforeLoad)
{
    XPModule::ResetViewSettings();
    previousHandler = SetMessageBoxHandler([this](const QString& text) { messages << text; });
    OGLModule::ReplaceFrameTimer(OGLModule::CreateFrameTimer(counter));
    window = std::make_unique<OGLWin>();
    // Each pass draws at once: the loop as the tests drive it, frame by frame.
    window->Loop.Pacer.SetCeiling(0);
    if (beforeLoad) {
        beforeLoad(*window);
    }
    loaded = window->LoadForm() && QTest::qWaitForWindowExposed(window.get());
    if (loaded) {
        Pass();
    }
}

MainWindowFixture::~MainWindowFixture()
{
    window.reset();
    OGLModule::ReplaceFrameTimer(nullptr);
    SetMessageBoxHandler(previousHandler);
}

void MainWindowFixture::Pass(double seconds)
{
    counter.now += static_cast<std::int64_t>(seconds * kTicksPerSecond);
    window->RenderLoopPass();
}

QPointF MainWindowFixture::ViewPointOf(double x, double y, double z)
{
    OGLModule::MakeViewCurrent();
    // The last frame left the model-view matrix in the scene frame.
    const QPointF device = ProjectToViewport(x, y, z);
    const double ratio = Ui(*window).glView1->devicePixelRatio();
    return {device.x() / ratio, (Ui(*window).glView1->height() * ratio - device.y()) / ratio};
}

QPointF MainWindowFixture::DrawnAt(std::uint8_t id)
{
    const BodyPlace& place = window->DrawnPlaces()[id];
    const double ratio = Ui(*window).glView1->devicePixelRatio();
    return {place.x / ratio, Ui(*window).glView1->height() - place.y / ratio};
}

void MainWindowFixture::PointAt(QPointF position)
{
    QTest::mouseMove(Ui(*window).glView1, position.toPoint());
}

long MainWindowFixture::BrightnessAt(QPointF position, int radius)
{
    OGLModule::MakeViewCurrent();
    // Any render mode but GL_RENDER draws without swapping, so the frame
    // stays in the back buffer to be read.
    const std::int16_t mode = window->Scene.RenderMode;
    window->Scene.RenderMode = kRenderModeSelect;
    window->Render_glView1();
    window->Scene.RenderMode = mode;

    const double ratio = Ui(*window).glView1->devicePixelRatio();
    glReadBuffer(GL_BACK);
    return SummedBrightness(position.x() * ratio, (Ui(*window).glView1->height() - position.y()) * ratio, radius);
}

bool NameShownAt(const QImage& named, const QImage& bare, QPointF from, double ratio)
{
    // The band is as wide as a short name and as high as its text.
    int count = 0;
    const int left = static_cast<int>(from.x() * ratio);
    const int middle = static_cast<int>(from.y() * ratio);
    for (int y = middle - static_cast<int>(8 * ratio); y <= middle + 8 * ratio; ++y) {
        for (int x = left; x <= left + 50 * ratio; ++x) {
            const QColor on = named.pixelColor(x, y);
            if (on.lightness() > 200 && on != bare.pixelColor(x, y)) {
                ++count;
            }
        }
    }
    return count > 60 * ratio * ratio;
}

void LoadedWindowTest::init()
{
    QCursor::setPos(0, 0);
    fixture = std::make_unique<MainWindowFixture>();
    QVERIFY(fixture->Loaded());
    QVERIFY(fixture->messages.isEmpty());
    WindowLoaded();
}
