#include "image_sun_surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace ImageGen {
namespace {

// Every random value comes from hashing lattice coordinates with this seed,
// so the surface is the same on every build.
constexpr std::uint32_t Seed = 0x5013A7E5u;

std::uint32_t Hash(std::int64_t x, std::int64_t y, std::int64_t z, std::uint32_t salt)
{
    std::uint32_t h = Seed ^ (salt * 0x27D4EB2Fu);
    for (const std::int64_t v : {x, y, z}) {
        h ^= static_cast<std::uint32_t>(v);
        h *= 0x9E3779B1u;
        h ^= h >> 15;
        h *= 0x85EBCA77u;
        h ^= h >> 13;
    }
    return h;
}

// A value in [0, 1) for a lattice point.
double Random(std::int64_t x, std::int64_t y, std::int64_t z, std::uint32_t salt)
{
    return Hash(x, y, z, salt) / 4294967296.0;
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

struct Cell {
    double nearest = std::numeric_limits<double>::max();
    double second = std::numeric_limits<double>::max();
    double nearestShade = 0; // brightness of the cell the point lies in
};

// Cellular noise: every lattice cube holds one random feature point; a point
// belongs to the cell of its nearest feature point.
Cell NearestCells(const Vec3& p)
{
    const auto ix = static_cast<std::int64_t>(std::floor(p.x));
    const auto iy = static_cast<std::int64_t>(std::floor(p.y));
    const auto iz = static_cast<std::int64_t>(std::floor(p.z));
    Cell cell;
    for (std::int64_t dz = -1; dz <= 1; ++dz) {
        for (std::int64_t dy = -1; dy <= 1; ++dy) {
            for (std::int64_t dx = -1; dx <= 1; ++dx) {
                const std::int64_t cx = ix + dx;
                const std::int64_t cy = iy + dy;
                const std::int64_t cz = iz + dz;
                const Vec3 feature{static_cast<double>(cx) + Random(cx, cy, cz, 1),
                                   static_cast<double>(cy) + Random(cx, cy, cz, 2),
                                   static_cast<double>(cz) + Random(cx, cy, cz, 3)};
                const double d = Length({feature.x - p.x, feature.y - p.y, feature.z - p.z});
                if (d < cell.nearest) {
                    cell.second = cell.nearest;
                    cell.nearest = d;
                    cell.nearestShade = Random(cx, cy, cz, 4);
                } else if (d < cell.second) {
                    cell.second = d;
                }
            }
        }
    }
    return cell;
}

// Smooth lattice noise in [0, 1); each salt gives an independent field.
double ValueNoise(const Vec3& p, std::uint32_t salt)
{
    const double fx = std::floor(p.x);
    const double fy = std::floor(p.y);
    const double fz = std::floor(p.z);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const auto iz = static_cast<std::int64_t>(fz);
    const double tx = SmoothStep(0.0, 1.0, p.x - fx);
    const double ty = SmoothStep(0.0, 1.0, p.y - fy);
    const double tz = SmoothStep(0.0, 1.0, p.z - fz);
    const auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const auto corner = [&](int dx, int dy, int dz) { return Random(ix + dx, iy + dy, iz + dz, salt); };
    const double y0 = lerp(lerp(corner(0, 0, 0), corner(1, 0, 0), tx),
                           lerp(corner(0, 1, 0), corner(1, 1, 0), tx), ty);
    const double y1 = lerp(lerp(corner(0, 0, 1), corner(1, 0, 1), tx),
                           lerp(corner(0, 1, 1), corner(1, 1, 1), tx), ty);
    return lerp(y0, y1, tz);
}

// Large, soft patches a few cells across.
double Mottling(const Vec3& p)
{
    double sum = 0;
    double amplitude = 0.5;
    double frequency = 0.2;
    for (int octave = 0; octave < 3; ++octave) {
        sum += amplitude * ValueNoise(Scaled(p, frequency), 5);
        amplitude *= 0.5;
        frequency *= 2.0;
    }
    return sum / 0.875;
}

} // namespace

double SunBrightness(const Vec3& point)
{
    // Bending space a little before finding the cells rounds their outlines.
    constexpr double Warp = 0.45;
    const Vec3 warped{point.x + Warp * (ValueNoise(point, 6) - 0.5),
                      point.y + Warp * (ValueNoise(point, 7) - 0.5),
                      point.z + Warp * (ValueNoise(point, 8) - 0.5)};
    const Cell cell = NearestCells(warped);
    // Hot gas rises in the middle of a cell and sinks in the lanes between.
    const double centre = 1.0 - SmoothStep(0.0, 0.9, cell.nearest);
    const double lane = SmoothStep(0.0, 0.25, cell.second - cell.nearest);
    const double granule = (0.5 + 0.25 * cell.nearestShade + 0.25 * centre) * (0.6 + 0.4 * lane);
    return std::clamp(0.3 * Mottling(point) + 0.7 * granule, 0.0, 1.0);
}

Rgba SunColour(double brightness)
{
    struct Stop {
        double at;
        QRgb colour;
    };
    static constexpr std::array<Stop, 5> Ramp{{{0.0, qRgb(150, 40, 0)},
                                               {0.35, qRgb(215, 95, 8)},
                                               {0.6, qRgb(245, 160, 30)},
                                               {0.85, qRgb(255, 215, 90)},
                                               {1.0, qRgb(255, 240, 170)}}};
    const double t = std::clamp(brightness, 0.0, 1.0);
    const auto upper = std::find_if(Ramp.begin() + 1, Ramp.end() - 1,
                                    [t](const Stop& stop) { return t <= stop.at; });
    const auto lower = upper - 1;
    return Mix(OpaqueColour(lower->colour), OpaqueColour(upper->colour),
               (t - lower->at) / (upper->at - lower->at));
}

QImage SunSurfaceMap(QSize size, double cellsPerRadius)
{
    constexpr double Pi = std::numbers::pi;
    const QImage map = Rasterise(size, 2, [&](double x, double y) {
        const GeoPoint point{(x / size.width() - 0.5) * 2.0 * Pi, (0.5 - y / size.height()) * Pi};
        return SunColour(SunBrightness(Scaled(UnitVector(point), cellsPerRadius)));
    });
    return map.convertToFormat(QImage::Format_RGB32);
}

} // namespace ImageGen
