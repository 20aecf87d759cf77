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
Vector3 TurnedAboutY(double x, double y, double z, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return {x * std::cos(a) + z * std::sin(a), y, -x * std::sin(a) + z * std::cos(a)};
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

Vector3 SceneDirection(double longitude, double latitude)
{
    const Vector3 ecliptic = Rectangular({longitude, latitude, 1});
    return {ecliptic[0], ecliptic[2], -ecliptic[1]};
}

bool ScenePoint(const EclipticPlace& place, Vector3& point)
{
    if (!place.IsFinite()) {
        return false;
    }
    point = SceneDirection(place.longitude, place.latitude) * SceneDistance(place.distance);
    return true;
}

PoleTurn TurnToPole(const Vector3& pole)
{
    if (pole[0] == 0 && pole[2] == 0) {
        return {};
    }
    // North × pole, the axis of the turn in the plane of both.
    return {std::acos(std::clamp(pole[1], -1.0, 1.0)) * 180 / std::numbers::pi, {pole[2], 0, -pole[0]}};
}

Vector3 BodyCentre(const SceneState& scene, BodyId id)
{
    if (id == Moon) {
        if (scene.Real.moonReal) {
            return BodyCentre(scene, Earth) + scene.Real.moonOffset;
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
