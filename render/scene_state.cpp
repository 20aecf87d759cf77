#include "scene_state.h"

#include "planet_moons.h"
#include "sky_bodies.h"

#include <cmath>

namespace {

// The animation's year, over which a planet's revolution is its day count.
constexpr double kAnimationDaysPerYear = 365;
constexpr double kSunSpinSeconds = 20;
constexpr double kMoonSpinSeconds = 40;
constexpr double kMoonOrbitsPerYear = 12;

// A spin clock's angle: the epoch's plus `seconds` at one turn a `period`,
// in 0 to below 360. A non-finite result keeps `last`.
float ClockAngle(double epoch, double period, double seconds, float last)
{
    const double turned = std::fmod(epoch + 360 * (seconds / period), 360.0);
    if (!std::isfinite(turned)) {
        return last;
    }
    const auto angle = static_cast<float>(turned < 0 ? turned + 360 : turned);
    return angle >= 360 ? 0 : angle;
}

void SetSpinEpoch(SceneState& scene)
{
    SpinClock& clock = scene.Spins;
    clock.seconds = 0;
    for (BodyId planet : kPlanetIds) {
        clock.epochAngle[planet] = scene.SpinAngle[planet];
    }
    clock.sunEpochAngle = scene.SunSpin;
    clock.moonEpochAngle = scene.MoonSpin;
}

void AdvanceSpins(SceneState& scene, double elapsed)
{
    SpinClock& clock = scene.Spins;
    clock.seconds += elapsed;
    for (BodyId planet : kPlanetIds) {
        scene.SpinAngle[planet] = ClockAngle(clock.epochAngle[planet],
                                             scene.OrbitPeriod[planet] / scene.SpinsPerOrbit[planet], clock.seconds,
                                             scene.SpinAngle[planet]);
    }
    scene.SunSpin = ClockAngle(clock.sunEpochAngle, kSunSpinSeconds, clock.seconds, scene.SunSpin);
    scene.MoonSpin = ClockAngle(clock.moonEpochAngle, kMoonSpinSeconds, clock.seconds, scene.MoonSpin);
}

// The body whose orbit the selection holds: a selected moon holds its
// planet, and with it its own place on the planet's circle.
int HeldOrbit(std::uint8_t selected)
{
    if (IsMoonId(selected)) {
        return FactsOf(static_cast<MoonId>(selected)).planet;
    }
    return selected;
}

} // namespace

void StartSpinClock(SceneState& scene)
{
    if (!scene.Spins.running) {
        scene.Spins.running = true;
        SetSpinEpoch(scene);
    }
}

void ComputeRates(SceneState& scene, std::uint8_t secondsPerYear)
{
    if (scene.Spins.running) {
        SetSpinEpoch(scene); // the new rates run from the angles reached
    }
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
    const bool spinClock = scene.Spins.running;
    const int held = HeldOrbit(scene.Selected);
    const auto advanceBody = [&](int id, bool orbitMoves) {
        if (orbitMoves) {
            AdvanceAngle(scene.OrbitAngle[id], scene.OrbitPeriod[id], elapsed);
        }
        if (!spinClock) {
            AdvanceAngle(scene.SpinAngle[id], scene.OrbitPeriod[id] / scene.SpinsPerOrbit[id], elapsed);
        }
    };
    // The Earth's orbit moves with the Moon's, further down.
    for (int id = Mercury; id <= Earth; ++id) {
        advanceBody(id, held != id && id != Earth);
    }
    for (int id = Mars; id <= Pluto; ++id) {
        advanceBody(id, held != id);
    }
    if (scene.Selected != Moon) {
        if (scene.Selected != Earth) {
            AdvanceAngle(scene.OrbitAngle[Earth], scene.OrbitPeriod[Earth], elapsed);
        }
        AdvanceAngle(scene.OrbitAngle[Moon], scene.OrbitPeriod[Earth] / kMoonOrbitsPerYear, elapsed);
    }
    if (spinClock) {
        AdvanceSpins(scene, elapsed);
        return;
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
