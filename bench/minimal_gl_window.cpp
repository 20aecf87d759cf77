// The yardstick for start-up time and memory: the least a Qt program needs to
// put an OpenGL frame on the screen. One window of the main view's size with
// the view's surface format, one context, and frames that only clear and swap.
//
//   solar-bench-minimal <launch moment, monotonic ns> <frames>

#include "ogl_module.h"
#include "probe.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const std::optional<ProbeArguments> arguments = ParseProbeArguments(argc, argv, 1);
    if (!arguments) {
        std::fputs("usage: solar-bench-minimal <launch moment, monotonic ns> <frames>\n", stderr);
        return EXIT_FAILURE;
    }
    QGuiApplication application(argc, argv);

    QWindow window;
    window.setSurfaceType(QSurface::OpenGLSurface);
    window.setFormat(OGLModule::ViewSurfaceFormat());
    window.resize(785, 473); // the main window's view
    window.show();

    QOpenGLContext context;
    context.setFormat(OGLModule::ViewSurfaceFormat());
    if (!context.create()) {
        std::fputs("solar-bench-minimal: no OpenGL context\n", stderr);
        return EXIT_FAILURE;
    }
    return RunProbeFrames(*arguments, [&] {
        QCoreApplication::processEvents();
        context.makeCurrent(&window);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        context.swapBuffers(&window);
    });
}
