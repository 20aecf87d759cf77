#include "body_orbits.h"

#include "sky_bodies.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The `index`th planet outwards.
const SkyBody& PlanetRow(std::size_t index)
{
    return SkyBodies()[kPlanetIds[index]];
}

// The point (x, y, z) turned by `degrees` about Y, as glRotatef turns it.
std::array<double, 3> TurnedAboutY(double x, double y, double z, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return {x * std::cos(a) + z * std::sin(a), y, -x * std::sin(a) + z * std::cos(a)};
}

std::array<double, 3> Sum(const std::array<double, 3>& a, const std::array<double, 3>& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

} // namespace

float OrbitDistance(BodyId id)
{
    return SkyBodies()[id].animationDistance;
}

double SceneDistance(double au)
{
    std::size_t piece = 0;
    while (piece + 2 < kPlanetIds.size() && au > PlanetRow(piece + 1).meanDistanceAu) {
        ++piece;
    }
    const SkyBody& inner = PlanetRow(piece);
    const SkyBody& outer = PlanetRow(piece + 1);
    const double from = std::log(inner.meanDistanceAu);
    const double to = std::log(outer.meanDistanceAu);
    const double innerRadius = inner.animationDistance;
    const double outerRadius = outer.animationDistance;
    return innerRadius + (outerRadius - innerRadius) * (std::log(au) - from) / (to - from);
}

std::array<double, 3> SceneDirection(double longitude, double latitude)
{
    const double l = longitude * std::numbers::pi / 180;
    const double b = latitude * std::numbers::pi / 180;
    return {std::cos(b) * std::cos(l), std::sin(b), -std::cos(b) * std::sin(l)};
}

bool ScenePoint(const EclipticPlace& place, std::array<double, 3>& point)
{
    if (!place.IsFinite()) {
        return false;
    }
    const double distance = SceneDistance(place.distance);
    const std::array<double, 3> direction = SceneDirection(place.longitude, place.latitude);
    point = {direction[0] * distance, direction[1] * distance, direction[2] * distance};
    return true;
}

PoleTurn TurnToPole(const std::array<double, 3>& pole)
{
    if (pole[0] == 0 && pole[2] == 0) {
        return {};
    }
    // North × pole, the axis of the turn in the plane of both.
    return {std::acos(std::clamp(pole[1], -1.0, 1.0)) * 180 / std::numbers::pi, {pole[2], 0, -pole[0]}};
}

std::array<double, 3> BodyCentre(const SceneState& scene, BodyId id)
{
    if (id == Moon) {
        if (scene.Real.moonReal) {
            return Sum(BodyCentre(scene, Earth), scene.Real.moonOffset);
        }
        const float phi = scene.OrbitAngle[Moon] * kDegreesToRadians;
        const double tilt = kMoonCircleTilt * std::numbers::pi / 180;
        const double x = kMoonDistance * std::sin(phi);
        const double y = kMoonDistance * std::cos(phi);
        return TurnedAboutY(OrbitDistance(Earth) + x, y * std::cos(tilt), y * std::sin(tilt), scene.OrbitAngle[Earth]);
    }
    if (id < Mercury || id > Pluto) {
        return {0, 0, 0};
    }
    if (scene.Real.trueOrbits) {
        return scene.Real.centre[id];
    }
    return TurnedAboutY(OrbitDistance(id), 0, 0, scene.OrbitAngle[id]);
}
