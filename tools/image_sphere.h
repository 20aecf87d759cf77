#pragma once

#include "image_raster.h"

#include <QImage>

#include <optional>

namespace ImageGen {

// View space: x to the right, y up, z toward the viewer.
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

double Dot(const Vec3& a, const Vec3& b);
double Length(const Vec3& v);
Vec3 Normalised(const Vec3& v);
Vec3 Scaled(const Vec3& v, double factor);

// Radians. Longitude 0 is the middle column of an equirectangular map,
// latitude +pi/2 its top row.
struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
};

// The point of the unit sphere at `point`, seen with longitude 0 facing the viewer.
Vec3 UnitVector(const GeoPoint& point);

// The front point of the unit sphere drawn at (x, y) of the unit disc, none
// outside the disc.
std::optional<Vec3> SpherePointAt(double x, double y);

// Which place of a globe faces the viewer: the globe is turned by its
// longitude and tilted by its latitude, north staying up.
struct SphereView {
    GeoPoint centre;
};

GeoPoint GeoPointOf(const SphereView& view, const Vec3& spherePoint);

// Bilinear sample of an equirectangular map, wrapping in longitude.
Rgba SampleMap(const QImage& map, const GeoPoint& point);

// The map scaled down smoothly to about the detail a disc of `radius` pixels
// can show, so sampling it does not alias.
QImage MapForRadius(const QImage& map, double radius);

} // namespace ImageGen
