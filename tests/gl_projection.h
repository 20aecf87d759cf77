#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <QPointF>

#include <array>

// Where a point given in the current model-view frame lands in the current
// viewport: window coordinates with y up, in device pixels.
inline QPointF ProjectToViewport(double x, double y, double z)
{
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
    return {wx, wy};
}

// The y scale of the current projection: cot(fovy / 2) for a perspective.
inline double ProjectionScaleY()
{
    std::array<GLdouble, 16> projection{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    return projection[5];
}
