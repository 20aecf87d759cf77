#include "main_window_fixture.h"

#include "gl_view.h"
#include "ogl_module.h"

#include <QtTest>

#include <array>

MainWindowFixture::MainWindowFixture()
{
    XPModule::ResetViewSettings();
    previousHandler = SetMessageBoxHandler([this](const QString& text) { messages << text; });
    OGLModule::ReplaceFrameTimer(OGLModule::CreateFrameTimer(counter));
    window = std::make_unique<OGLWin>();
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
    std::array<GLdouble, 16> modelView{};
    std::array<GLdouble, 16> projection{};
    std::array<GLint, 4> viewport{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    GLdouble wx = 0;
    GLdouble wy = 0;
    GLdouble wz = 0;
    gluProject(x, y, z, modelView.data(), projection.data(), viewport.data(), &wx, &wy, &wz);
    const double ratio = window->glView1->devicePixelRatio();
    return {wx / ratio, (viewport[3] - wy) / ratio};
}

void MainWindowFixture::PointAt(QPointF position)
{
    QTest::mouseMove(window->glView1, position.toPoint());
}
