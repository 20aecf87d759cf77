// The yardstick for start-up time and memory: the least a Qt program needs to
// put a lit, textured sphere on the screen. One window of the main view's size
// with the view's surface format, one context; the first frame draws one lit,
// textured sphere, so that this program pays the driver's one-time shader
// compilation as the real one does; the other frames only clear and swap.
//
//   solar-bench-minimal <launch moment, monotonic ns> <frames>

#include "ogl_module.h"
#include "probe.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QWindow>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kTextureSize = 256;

// One sphere with a lit material and a texture of blue-green-red rows, drawn
// the way the program draws its bodies.
void DrawLitTexturedSphere()
{
    std::vector<GLubyte> pixels(static_cast<std::size_t>(kTextureSize) * kTextureSize * 3);
    for (std::size_t index = 0; index < pixels.size(); ++index) {
        pixels[index] = static_cast<GLubyte>(index * 7);
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kTextureSize, kTextureSize, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE,
                 pixels.data());
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    constexpr std::array<GLfloat, 4> kLightPosition{0.0F, 5.0F, 10.0F, 1.0F};
    glLightfv(GL_LIGHT0, GL_POSITION, kLightPosition.data());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(35.0, 785.0 / 473.0, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0F, 0.0F, -10.0F);
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluSphere(quadric, 2.0, 32, 32);
    gluDeleteQuadric(quadric);
}

} // namespace

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
    bool first = true;
    return RunProbeFrames(*arguments, [&] {
        QCoreApplication::processEvents();
        context.makeCurrent(&window);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (first) {
            DrawLitTexturedSphere();
            first = false;
        }
        context.swapBuffers(&window);
    });
}
