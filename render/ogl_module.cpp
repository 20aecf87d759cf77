#include "ogl_module.h"

#include "message_box.h"
#include "scene_geometry.h"
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
    glClearColor(0, 0, 0, 0);
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

bool ReportInitFailure()
{
    GLContext.reset();
    ShowCriticalMessage(QStringLiteral("OpenGL Initialization Failed!"));
    return false;
}

} // namespace

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

bool MakeViewCurrent()
{
    return GLContext && ViewDC && GLContext->makeCurrent(ViewDC);
}

bool InitOpenGL()
{
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(ViewSurfaceFormat());
    if (ViewDC == nullptr || !context->create() || !CanDrawScene(*context)) {
        return ReportInitFailure();
    }
    GLContext = std::move(context);

    Quadric.reset(gluNewQuadric());
    if (!Quadric || !MakeViewCurrent()) {
        return ReportInitFailure();
    }
    gluQuadricTexture(Quadric.get(), GL_TRUE);
    gluQuadricNormals(Quadric.get(), GLU_SMOOTH);

    SetFixedState();
    if (!BuildSceneGeometry()) {
        return ReportInitFailure();
    }
    glGenTextures(kTextureSlotCount, TextureNames.data());
    return LoadTextureFiles(QCoreApplication::applicationDirPath());
}

} // namespace OGLModule
