#include "sky_placement.h"

#include "body_orbits.h"
#include "body_rotation.h"
#include "eclipse_figures.h"
#include "sky_bodies.h"
#include "sky_units.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsFinite(const Vector3& v)
{
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// Each body's axes at the moment; one that cannot be computed keeps its last.
void TurnBodies(SkyPlacement& real, double julianDay)
{
    const double jde = JulianEphemerisDay(julianDay);
    for (int body = Sun; body <= Pluto; ++body) {
        const BodyAxes axes = AxesAt(static_cast<BodyId>(body), jde);
        if (IsFinite(axes.pole) && IsFinite(axes.primeMeridian)) {
            real.pole[body] = SceneVector(axes.pole);
            real.primeMeridian[body] = SceneVector(axes.primeMeridian);
        }
    }
}

// The Sun and the Moon from the Earth's centre, in Earth radii.
void PlaceShadowCasters(SkyPlacement& real, const EclipticPlace& earth, const EclipticPlace& moon)
{
    if (!earth.IsFinite() || !moon.IsFinite()) {
        return;
    }
    constexpr double kEarthRadiiPerAu = kKilometresPerAu / kEarthRadiusKm;
    real.sunFromEarth = SceneVector(Rectangular(earth)) * -kEarthRadiiPerAu;
    real.moonFromEarth = SceneVector(Rectangular(moon)) * kEarthRadiiPerAu;
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
    TurnBodies(real, julianDay);
    const auto earth = std::ranges::find(kPlanetIds, Earth) - kPlanetIds.begin();
    PlaceShadowCasters(real, places[static_cast<std::size_t>(earth)], moon);
}
