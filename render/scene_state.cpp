#include "scene_state.h"

namespace {

// The animation's year, over which a planet's revolution is its day count.
constexpr double kAnimationDaysPerYear = 365;
constexpr double kSunSpinSeconds = 20;
constexpr double kMoonSpinSeconds = 40;
constexpr double kMoonOrbitsPerYear = 12;

} // namespace

void ComputeRates(SceneState& scene, std::uint8_t secondsPerYear)
{
    auto& period = scene.OrbitPeriod;
    period[Earth] = static_cast<double>(secondsPerYear);
    period[Mercury] = 88 / kAnimationDaysPerYear * period[Earth];
    period[Venus] = 225 / kAnimationDaysPerYear * period[Earth];
    period[Mars] = 687 / kAnimationDaysPerYear * period[Earth];
    period[Jupiter] = 4331 / kAnimationDaysPerYear * period[Earth];
    period[Saturn] = 10747 / kAnimationDaysPerYear * period[Earth];
    period[Uranus] = 30589 / kAnimationDaysPerYear * period[Earth];
    period[Neptune] = 59800 / kAnimationDaysPerYear * period[Earth];
    period[Pluto] = 90588 / kAnimationDaysPerYear * period[Earth];

    auto& spins = scene.SpinsPerOrbit;
    spins[Earth] = 10.0;
    spins[Mercury] = 88.0 / 58;
    spins[Venus] = 225.0 / 243;
    spins[Mars] = 10.0;
    spins[Jupiter] = 4331.0 / 250;
    spins[Saturn] = 10747.0 / 250;
    spins[Uranus] = 30589.0 / 250;
    spins[Neptune] = 59800.0 / 250;
    spins[Pluto] = 90588.0 / 1000;
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
