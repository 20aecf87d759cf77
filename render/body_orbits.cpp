#include "body_orbits.h"

#include <cmath>
#include <numbers>

namespace {

constexpr std::array<float, Pluto + 1> kOrbitDistances{0, 0, 10, 18, 25, 0, 39, 50, 65, 74, 80, 85};

// The point (x, y, z) turned by `degrees` about Y, as glRotatef turns it.
std::array<double, 3> TurnedAboutY(double x, double y, double z, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return {x * std::cos(a) + z * std::sin(a), y, -x * std::sin(a) + z * std::cos(a)};
}

} // namespace

float OrbitDistance(BodyId id)
{
    return kOrbitDistances[id];
}

std::array<double, 3> BodyCentre(const SceneState& scene, BodyId id)
{
    if (id == Moon) {
        const float phi = scene.OrbitAngle[Moon] * kDegreesToRadians;
        const double tilt = kMoonCircleTilt * std::numbers::pi / 180;
        const double x = kMoonDistance * std::sin(phi);
        const double y = kMoonDistance * std::cos(phi);
        return TurnedAboutY(OrbitDistance(Earth) + x, y * std::cos(tilt), y * std::sin(tilt), scene.OrbitAngle[Earth]);
    }
    if (id < Mercury || id > Pluto) {
        return {0, 0, 0};
    }
    return TurnedAboutY(OrbitDistance(id), 0, 0, scene.OrbitAngle[id]);
}
