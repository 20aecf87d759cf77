#include "view_frustum.h"

#include <algorithm>
#include <cmath>

namespace {

// Column-major product a·b of two 4x4 matrices.
std::array<double, 16> Product(const std::array<GLdouble, 16>& a, const std::array<GLdouble, 16>& b)
{
    std::array<double, 16> product{};
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a[static_cast<std::size_t>(k * 4 + row)] * b[static_cast<std::size_t>(column * 4 + k)];
            }
            product[static_cast<std::size_t>(column * 4 + row)] = sum;
        }
    }
    return product;
}

} // namespace

// The six clip planes are the sums and differences of the clip matrix's
// last row with each of the others (Gribb and Hartmann), normalised so that
// a plane's value at a point is its distance.
ViewFrustum::ViewFrustum(const std::array<GLdouble, 16>& modelView, const std::array<GLdouble, 16>& projection,
                         int viewportHeight)
    : ModelView(modelView)
    , PixelsPerUnitAtOne(projection[5] * viewportHeight / 2)
{
    const std::array<double, 16> clip = Product(projection, modelView);
    const auto row = [&clip](int r) {
        return std::array<double, 4>{clip[static_cast<std::size_t>(r)], clip[static_cast<std::size_t>(4 + r)],
                                     clip[static_cast<std::size_t>(8 + r)], clip[static_cast<std::size_t>(12 + r)]};
    };
    const std::array<double, 4> w = row(3);
    std::size_t plane = 0;
    for (int r = 0; r < 3; ++r) {
        for (const double sign : {1.0, -1.0}) {
            const std::array<double, 4> axis = row(r);
            std::array<double, 4>& p = Planes[plane++];
            for (std::size_t k = 0; k < 4; ++k) {
                p[k] = w[k] + sign * axis[k];
            }
            const double norm = std::hypot(p[0], p[1], p[2]);
            if (norm > 0) {
                for (double& value : p) {
                    value /= norm;
                }
            }
        }
    }
}

GlMatrices CurrentGlMatrices()
{
    GlMatrices current;
    glGetDoublev(GL_MODELVIEW_MATRIX, current.modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, current.projection.data());
    glGetIntegerv(GL_VIEWPORT, current.viewport.data());
    return current;
}

ViewFrustum ViewFrustum::Current()
{
    const GlMatrices current = CurrentGlMatrices();
    return {current.modelView, current.projection, current.viewport[3]};
}

bool ViewFrustum::Reaches(const Vector3& centre, double radius) const
{
    for (const std::array<double, 4>& p : Planes) {
        if (p[0] * centre[0] + p[1] * centre[1] + p[2] * centre[2] + p[3] < -radius) {
            return false;
        }
    }
    return true;
}

double ViewFrustum::PixelRadius(const Vector3& centre, double radius) const
{
    const double eyeZ = ModelView[2] * centre[0] + ModelView[6] * centre[1] + ModelView[10] * centre[2] + ModelView[14];
    const double distance = std::max(-eyeZ, radius);
    return PixelsPerUnitAtOne * radius / distance;
}
