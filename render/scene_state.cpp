#include "scene_state.h"

#include "sky_bodies.h"

namespace {

// The animation's year, over which a planet's revolution is its day count.
constexpr double kAnimationDaysPerYear = 365;
constexpr double kSunSpinSeconds = 20;
constexpr double kMoonSpinSeconds = 40;
constexpr double kMoonOrbitsPerYear = 12;

} // namespace

void ComputeRates(SceneState& scene, std::uint8_t secondsPerYear)
{
    const auto year = static_cast<double>(secondsPerYear);
    for (BodyId planet : kPlanetIds) {
        const AnimationDays& days = SkyBodies()[planet].animation;
        scene.OrbitPeriod[planet] = days.orbitDays / kAnimationDaysPerYear * year;
        scene.SpinsPerOrbit[planet] = days.spinsPerOrbit;
    }
}

void AdvanceAngle(float& angle, double period, double elapsed)
{
    angle = static_cast<float>(angle + 360 / (period / elapsed));
    if (angle < 0) { // running backwards: round from 360, however far
        angle = ToOrbitAngle(angle);
    }
    if (angle >= 360) {
        angle = 0;
    }
}

void AdvanceAnimation(SceneState& scene, double elapsed)
{
    const auto advanceBody = [&](int id, bool orbitMoves) {
        if (orbitMoves) {
            AdvanceAngle(scene.OrbitAngle[id], scene.OrbitPeriod[id], elapsed);
        }
        AdvanceAngle(scene.SpinAngle[id], scene.OrbitPeriod[id] / scene.SpinsPerOrbit[id], elapsed);
    };
    // The Earth's orbit moves with the Moon's, further down.
    for (int id = Mercury; id <= Earth; ++id) {
        advanceBody(id, scene.Selected != id && id != Earth);
    }
    for (int id = Mars; id <= Pluto; ++id) {
        advanceBody(id, scene.Selected != id);
    }
    if (scene.Selected != Moon) {
        if (scene.Selected != Earth) {
            AdvanceAngle(scene.OrbitAngle[Earth], scene.OrbitPeriod[Earth], elapsed);
        }
        AdvanceAngle(scene.OrbitAngle[Moon], scene.OrbitPeriod[Earth] / kMoonOrbitsPerYear, elapsed);
    }
    AdvanceAngle(scene.SunSpin, kSunSpinSeconds, elapsed);
    AdvanceAngle(scene.MoonSpin, kMoonSpinSeconds, elapsed);
}

void SetOrbitAngles(SceneState& scene, const std::array<PlanetLongitude, 9>& longitudes)
{
    for (const PlanetLongitude& planet : longitudes) {
        scene.OrbitAngle[planet.body] = ToOrbitAngle(planet.degrees);
    }
}
