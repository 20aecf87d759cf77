#include "moon_systems.h"

#include "body_orbits.h"
#include "planet_moons.h"
#include "scene_geometry.h"
#include "sky_bodies.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// How far the outermost moon stands beyond the innermost, in planet radii.
constexpr double kSystemSpread = 2;

// The moons' phases on their circles at the planet's angle 0 differ by the
// golden angle, so that no two start in line.
constexpr double kGoldenAngle = 137.50776405003785;

std::size_t IndexOf(MoonId moon)
{
    return static_cast<std::size_t>(moon - kFirstMoon);
}

double PlanetDrawnRadius(MoonId moon)
{
    return SphereRadius(FactsOf(moon).planet);
}

// The innermost and outermost moons of `planet`.
std::pair<MoonId, MoonId> InnermostAndOutermost(BodyId planet)
{
    std::pair<MoonId, MoonId> ends{kFirstMoon, kFirstMoon};
    bool found = false;
    for (int id = kFirstMoon; id < kSceneBodyCount; ++id) {
        const auto moon = static_cast<MoonId>(id);
        const MoonFacts& facts = FactsOf(moon);
        if (facts.planet != planet) {
            continue;
        }
        if (!found || facts.meanDistanceKm < FactsOf(ends.first).meanDistanceKm) {
            ends.first = moon;
        }
        if (!found || facts.meanDistanceKm > FactsOf(ends.second).meanDistanceKm) {
            ends.second = moon;
        }
        found = true;
    }
    return ends;
}

} // namespace

double MoonRadius(MoonId moon)
{
    const MoonFacts& facts = FactsOf(moon);
    const double ratio = facts.diameterKm / (2 * PlanetRadiusKm(facts.planet));
    const double largest = SphereRadius(Moon);
    return std::clamp(PlanetDrawnRadius(moon) * std::sqrt(ratio), largest / 10, largest);
}

double MoonDrawnDistance(MoonId moon)
{
    const BodyId planet = FactsOf(moon).planet;
    const auto [inner, outer] = InnermostAndOutermost(planet);
    const double nearest = BodyExtent(planet) + 2 * MoonRadius(inner);
    if (inner == outer) {
        return nearest;
    }
    const double span = std::log(FactsOf(outer).meanDistanceKm / FactsOf(inner).meanDistanceKm);
    const double along = std::log(FactsOf(moon).meanDistanceKm / FactsOf(inner).meanDistanceKm);
    return nearest + kSystemSpread * SphereRadius(planet) * along / span;
}

Vector3 MoonOffsetInScene(const SceneState& scene, MoonId moon)
{
    const double distance = MoonDrawnDistance(moon);
    if (scene.Real.moonsReal) {
        return scene.Real.moonDirection[IndexOf(moon)] * distance;
    }
    const MoonFacts& facts = FactsOf(moon);
    const double turns = std::round(SkyBodies()[facts.planet].animation.orbitDays / facts.periodDays);
    const double sense = moon == Triton ? -1 : 1; // Triton's orbit is retrograde
    const double degrees = std::fmod(sense * scene.OrbitAngle[facts.planet] * turns + kGoldenAngle * static_cast<double>(IndexOf(moon)), 360.0);
    const double angle = degrees * std::numbers::pi / 180;
    // The sense of the planets' orbits (Triton's against it), as glRotatef turns +X about Y.
    return {distance * std::cos(angle), 0, -distance * std::sin(angle)};
}

void PlaceMoonsInTheSky(SceneState& scene, double julianDay)
{
    const AllMoonOffsets offsets = MoonOffsets(JulianEphemerisDay(julianDay));
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        if (offsets[i] && Length(*offsets[i]) > 0) {
            scene.Real.moonDirection[i] = SceneVector(*offsets[i] / Length(*offsets[i]));
        }
    }
    scene.Real.moonsReal = true;
}
