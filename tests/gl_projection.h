#pragma once

#include "view_frustum.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QPointF>

#include <array>
#include <cmath>
#include <vector>

// Where a point given in the current model-view frame lands in the current
// viewport: window coordinates with y up, in device pixels.
inline QPointF ProjectToViewport(double x, double y, double z)
{
    const auto [modelView, projection, viewport] = CurrentGlMatrices();
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

// Summed brightness (r + g + b) of the square of `radius` pixels round the
// window position (x, y), y up, in the framebuffer being read.
inline long SummedBrightness(double x, double y, int radius)
{
    const int side = 2 * radius + 1;
    std::vector<GLubyte> rgb(static_cast<std::size_t>(side * side * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(static_cast<GLint>(std::lround(x)) - radius, static_cast<GLint>(std::lround(y)) - radius, side, side,
                 GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    long sum = 0;
    for (GLubyte value : rgb) {
        sum += value;
    }
    return sum;
}
