#include "sky_placement.h"

#include "body_orbits.h"
#include "body_poles.h"
#include "sky_bodies.h"

namespace {

const std::array<Vector3, 14>& Poles()
{
    static const std::array<Vector3, 14> poles = [] {
        std::array<Vector3, 14> directions{};
        for (int body = Sun; body <= Pluto; ++body) {
            const EclipticPlace pole = NorthPole(static_cast<BodyId>(body));
            directions[body] = SceneDirection(pole.longitude, pole.latitude);
        }
        return directions;
    }();
    return poles;
}

} // namespace

void PlaceBodiesInTheSky(SceneState& scene, PlanetTrack& track, double julianDay, bool trueOrbits)
{
    SkyPlacement& real = scene.Real;
    const EclipticPlace moon = track.MoonPlace(julianDay);
    if (moon.IsFinite()) {
        real.moonOffset = SceneDirection(moon.longitude, moon.latitude) * kMoonDistance;
        real.moonReal = true;
    }
    real.trueOrbits = trueOrbits;
    if (!trueOrbits) {
        return;
    }
    const std::array<EclipticPlace, 9> places = track.Places(julianDay);
    for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
        ScenePoint(places[i], real.centre[kPlanetIds[i]]);
    }
    real.pole = Poles();
}
