#include "ogl_module.h"

#include "eclipse_shading.h"
#include "message_box.h"
#include "scene_geometry.h"
#include "texts_app.h"
#include "texture_loader.h"

#include <QCoreApplication>

namespace OGLModule {
namespace {

constexpr std::array<GLfloat, 4> kLightGrey{0.5F, 0.5F, 0.5F, 1.0F};
constexpr std::array<GLfloat, 4> kLightWhite{1.0F, 1.0F, 1.0F, 1.0F};
constexpr std::array<GLfloat, 4> kLight0Position{0.0F, 5.0F, -40.0F, 1.0F};
constexpr std::array<GLfloat, 4> kLight1Position{0.0F, 1.0F, -19.0F, 1.0F};

// A context the scene can draw with: desktop OpenGL whose fixed-function
// pipeline (immediate mode, lighting, selection) is available.
bool CanDrawScene(const QOpenGLContext& context)
{
    const QSurfaceFormat format = context.format();
    return !context.isOpenGLES() && format.profile() != QSurfaceFormat::CoreProfile;
}

void SetFixedState()
{
    // An opaque sky: where the surface keeps alpha (Wayland), a compositor
    // would show what lies behind the window through a sky of alpha 0, and
    // the blending that reads the destination's alpha would differ from a
    // surface without it.
    glClearColor(0, 0, 0, 1);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glEnable(GL_DEPTH_TEST);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_DST_ALPHA);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_LIGHTING);

    // The model-view matrix is the identity here, so both lights stay fixed
    // relative to the viewer.
    glLightfv(GL_LIGHT0, GL_AMBIENT, kLightGrey.data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kLightGrey.data());
    glLightfv(GL_LIGHT0, GL_POSITION, kLight0Position.data());
    glEnable(GL_LIGHT0);

    glLightfv(GL_LIGHT1, GL_AMBIENT, kLightGrey.data());
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kLightGrey.data());
    glLightfv(GL_LIGHT1, GL_SPECULAR, kLightWhite.data());
    glLightfv(GL_LIGHT1, GL_POSITION, kLight1Position.data());

    glMaterialfv(GL_FRONT, GL_SPECULAR, kLightWhite.data());
    glMaterialf(GL_FRONT, GL_SHININESS, 1.0F);
    glEnable(GL_TEXTURE_2D);
}

bool ReportInitFailure(GLResources& resources)
{
    resources.ReleaseContext();
    ShowCriticalMessage(MessageText::OpenGlFailed());
    return false;
}

} // namespace

void PlaceLights()
{
    glLightfv(GL_LIGHT0, GL_POSITION, kLight0Position.data());
    glLightfv(GL_LIGHT1, GL_POSITION, kLight1Position.data());
}

QSurfaceFormat ViewSurfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(16);
    format.setStencilBufferSize(0);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    // Where the driver honours it, the swap waits for the screen's refresh.
    format.setSwapInterval(1);
    return format;
}

GLResources::~GLResources()
{
    ReleaseContext();
    if (Quadric == quadric.get()) {
        Quadric = nullptr;
    }
}

GLResources::GLResources() = default;

void GLResources::Adopt(std::unique_ptr<QOpenGLContext> newContext, GLUquadric* newQuadric)
{
    context = std::move(newContext);
    quadric.reset(newQuadric);
    shading = std::make_unique<EclipseShading>();
    GLContext = context.get();
    Quadric = quadric.get();
    Shading = shading.get();
}

void GLResources::ReleaseContext()
{
    if (!context) {
        return;
    }
    // The program goes while its context may still be current.
    if (Shading == shading.get()) {
        Shading = nullptr;
    }
    shading.reset();
    context->doneCurrent();
    if (GLContext == context.get()) {
        GLContext = nullptr;
    }
    context.reset();
}

bool MakeViewCurrent()
{
    return GLContext != nullptr && ViewDC != nullptr && GLContext->makeCurrent(ViewDC);
}

bool InitOpenGL(GLResources& resources)
{
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(ViewSurfaceFormat());
    if (ViewDC == nullptr || !context->create() || !CanDrawScene(*context)) {
        return ReportInitFailure(resources);
    }
    resources.Adopt(std::move(context), gluNewQuadric());
    if (Quadric == nullptr || !MakeViewCurrent()) {
        return ReportInitFailure(resources);
    }
    gluQuadricTexture(Quadric, GL_TRUE);
    gluQuadricNormals(Quadric, GLU_SMOOTH);

    SetFixedState();
    if (!BuildSceneGeometry()) {
        return ReportInitFailure(resources);
    }
    glGenTextures(kTextureSlotCount, TextureNames.data());
    return LoadTextureFiles(QCoreApplication::applicationDirPath());
}

} // namespace OGLModule
