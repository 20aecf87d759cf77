#include "sky_placement.h"

#include "body_orbits.h"
#include "body_poles.h"
#include "sky_bodies.h"

namespace {

const std::array<std::array<double, 3>, 14>& Poles()
{
    static const std::array<std::array<double, 3>, 14> poles = [] {
        std::array<std::array<double, 3>, 14> directions{};
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
        const std::array<double, 3> direction = SceneDirection(moon.longitude, moon.latitude);
        real.moonOffset = {direction[0] * kMoonDistance, direction[1] * kMoonDistance, direction[2] * kMoonDistance};
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
