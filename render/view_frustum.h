#pragma once

#include "sky_vector.h"

#include <GL/gl.h>

#include <array>

// The model-view and projection matrices and the viewport current in the
// GL context.
struct GlMatrices {
    std::array<GLdouble, 16> modelView{};
    std::array<GLdouble, 16> projection{};
    std::array<GLint, 4> viewport{};
};
GlMatrices CurrentGlMatrices();

// The part of space a frame shows, from a model-view and a projection
// matrix (OpenGL's column order): what lies wholly outside it need not be
// sent to the rasteriser at all, and what lies inside has a size in pixels.
class ViewFrustum {
public:
    ViewFrustum(const std::array<GLdouble, 16>& modelView, const std::array<GLdouble, 16>& projection,
                int viewportHeight);
    // The matrices and the viewport current in the GL context.
    static ViewFrustum Current();

    // Whether a sphere of the model-view's coordinates reaches into the view.
    bool Reaches(const Vector3& centre, double radius) const;
    // The radius on the window, in pixels, of a sphere in front of the eye
    // (a perspective projection).
    double PixelRadius(const Vector3& centre, double radius) const;

private:
    // Each plane as a, b, c, d: a point p is inside when a·p + d >= 0.
    std::array<std::array<double, 4>, 6> Planes{};
    std::array<GLdouble, 16> ModelView{};
    double PixelsPerUnitAtOne = 0; // at unit distance from the eye
};
