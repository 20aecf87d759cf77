#include "image_sphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ImageGen {
namespace {

constexpr double Pi = std::numbers::pi;

int Wrapped(int index, int count)
{
    const int r = index % count;
    return r < 0 ? r + count : r;
}

} // namespace

double Dot(const Vec3& a, const Vec3& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double Length(const Vec3& v)
{
    return std::sqrt(Dot(v, v));
}

Vec3 Normalised(const Vec3& v)
{
    return Scaled(v, 1.0 / Length(v));
}

Vec3 Scaled(const Vec3& v, double factor)
{
    return {v.x * factor, v.y * factor, v.z * factor};
}

Vec3 UnitVector(const GeoPoint& point)
{
    const double c = std::cos(point.latitude);
    return {c * std::sin(point.longitude), std::sin(point.latitude), c * std::cos(point.longitude)};
}

std::optional<Vec3> SpherePointAt(double x, double y)
{
    const double zz = 1.0 - x * x - y * y;
    if (zz < 0.0) {
        return std::nullopt;
    }
    return Vec3{x, y, std::sqrt(zz)};
}

GeoPoint GeoPointOf(const SphereView& view, const Vec3& spherePoint)
{
    // Undo the tilt: rotate about the x axis so the globe's north pole is +y.
    const double s = std::sin(view.centre.latitude);
    const double c = std::cos(view.centre.latitude);
    const double y = spherePoint.y * c + spherePoint.z * s;
    const double z = spherePoint.z * c - spherePoint.y * s;
    return {view.centre.longitude + std::atan2(spherePoint.x, z),
            std::asin(std::clamp(y, -1.0, 1.0))};
}

Rgba SampleMap(const QImage& map, const GeoPoint& point)
{
    const int w = map.width();
    const int h = map.height();
    const double u = (point.longitude / (2.0 * Pi) + 0.5) * w - 0.5;
    const double v = std::clamp((0.5 - point.latitude / Pi) * h - 0.5, 0.0, h - 1.0);
    const double u0 = std::floor(u);
    const double v0 = std::floor(v);
    const double fu = u - u0;
    const double fv = v - v0;
    const int x0 = Wrapped(static_cast<int>(u0), w);
    const int x1 = Wrapped(x0 + 1, w);
    const int y0 = static_cast<int>(v0);
    const int y1 = std::min(y0 + 1, h - 1);
    const Rgba top = Mix(OpaqueColour(map.pixel(x0, y0)), OpaqueColour(map.pixel(x1, y0)), fu);
    const Rgba bottom = Mix(OpaqueColour(map.pixel(x0, y1)), OpaqueColour(map.pixel(x1, y1)), fu);
    return Mix(top, bottom, fv);
}

QImage MapForRadius(const QImage& map, double radius)
{
    // A disc shows half the map's width across its 2 * radius pixels, so
    // 8 * radius columns keep about two map texels per pixel.
    const int width = static_cast<int>(std::ceil(8.0 * radius));
    if (width >= map.width()) {
        return map;
    }
    return map.scaled(width, std::max(1, width / 2), Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

} // namespace ImageGen
