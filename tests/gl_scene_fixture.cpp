#include "gl_scene_fixture.h"

#include "gl_projection.h"
#include "hit_records.h"

#include <QtTest>

bool GlSceneFixture::SetUp()
{
    surface = std::make_unique<QWindow>();
    surface->setSurfaceType(QSurface::OpenGLSurface);
    surface->setFormat(OGLModule::ViewSurfaceFormat());
    surface->resize(kWidth, kHeight);
    surface->create();
    OGLModule::ViewDC = surface.get();
    if (!OGLModule::InitOpenGL(resources)) {
        qWarning("the OpenGL set-up failed");
        return false;
    }
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::Depth);
    // No alpha channel, like the view's surface: blending reads a
    // destination alpha of 1.
    format.setInternalTextureFormat(GL_RGB8);
    framebuffer = std::make_unique<QOpenGLFramebufferObject>(kWidth, kHeight, format);
    if (!framebuffer->bind()) {
        qWarning("no framebuffer");
        return false;
    }
    glViewport(0, 0, kWidth, kHeight);
    UseViewProjection();
    return true;
}

void GlSceneFixture::TearDown()
{
    framebuffer.reset();
    resources.ReleaseContext();
    OGLModule::ViewDC = nullptr;
    surface.reset();
}

void GlSceneFixture::UseViewProjection(double perspectiveAngle)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(perspectiveAngle, static_cast<double>(kWidth) / kHeight, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
}

void GlSceneFixture::UsePickProjection(double x, double y, double perspectiveAngle)
{
    std::array<GLint, 4> viewport{0, 0, kWidth, kHeight};
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(x, y, 1.0, 1.0, viewport.data());
    gluPerspective(perspectiveAngle, static_cast<double>(kWidth) / kHeight, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
}

QPointF GlSceneFixture::Project(double x, double y, double z) const
{
    return ProjectToViewport(x, y, z);
}

QColor GlSceneFixture::PixelAt(int x, int y) const
{
    std::array<GLubyte, 4> rgba{};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return QColor(rgba[0], rgba[1], rgba[2]);
}

long GlSceneFixture::Brightness(QPointF centre, int radius) const
{
    return SummedBrightness(centre.x(), centre.y(), radius);
}

float GlSceneFixture::DepthAt(QPointF point) const
{
    GLfloat depth = 0;
    glReadPixels(qRound(point.x()), qRound(point.y()), 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

std::vector<GLuint> NamedHits(const GlSceneFixture::Selection& selection)
{
    std::vector<GLuint> names;
    ForEachHitRecord(selection.buffer, selection.hits, [&](const HitRecord& record) {
        if (!record.names.empty()) {
            names.push_back(record.names.front());
        }
    });
    return names;
}

bool HasUnnamedHit(const GlSceneFixture::Selection& selection)
{
    bool unnamed = false;
    ForEachHitRecord(selection.buffer, selection.hits,
                     [&](const HitRecord& record) { unnamed = unnamed || record.names.empty(); });
    return unnamed;
}
