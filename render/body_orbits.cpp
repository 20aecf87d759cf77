#include "body_orbits.h"

#include "moon_systems.h"
#include "planet_moons.h"
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

Vector3 SceneVector(const Vector3& ecliptic)
{
    return {ecliptic[0], ecliptic[2], -ecliptic[1]};
}

Vector3 SceneDirection(double longitude, double latitude)
{
    return SceneVector(Rectangular({longitude, latitude, 1}));
}

bool ScenePoint(const EclipticPlace& place, Vector3& point)
{
    if (!place.IsFinite()) {
        return false;
    }
    point = SceneDirection(place.longitude, place.latitude) * SceneDistance(place.distance);
    return true;
}

std::array<double, 16> BodyFrame(const Vector3& pole, const Vector3& meridian)
{
    const Vector3 y = pole / Length(pole);
    // The meridian made square to the pole; without one, the scene's +X (or
    // +Z, for a pole along X) stands in for it.
    Vector3 x = meridian - y * Dot(meridian, y);
    for (const Vector3& guess : {Vector3{1, 0, 0}, Vector3{0, 0, 1}}) {
        if (Length(x) > 1e-6) {
            break;
        }
        x = guess - y * Dot(guess, y);
    }
    x = x / Length(x);
    const Vector3 z = Cross(x, y);
    return {x[0], x[1], x[2], 0, y[0], y[1], y[2], 0, z[0], z[1], z[2], 0, 0, 0, 0, 1};
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
    if (IsMoonId(id)) {
        const auto moon = static_cast<MoonId>(id);
        return BodyCentre(scene, FactsOf(moon).planet) + MoonOffsetInScene(scene, moon);
    }
    if (id < Mercury || id > Pluto) {
        return {0, 0, 0};
    }
    if (scene.Real.trueOrbits) {
        return scene.Real.centre[id];
    }
    return TurnedAboutY(OrbitDistance(id), 0, 0, scene.OrbitAngle[id]);
}
