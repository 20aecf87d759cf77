#pragma once

#include "body_ids.h"
#include "planet_positions.h"
#include "sky_vector.h"

#include <array>
#include <cstdint>

inline constexpr std::int16_t kRenderModeRender = 0x1C00; // GL_RENDER
inline constexpr std::int16_t kRenderModeSelect = 0x1C02; // GL_SELECT

// Halo colours (red, green, blue, alpha), one row per body kind; the Sun's
// halo takes row 0.
inline constexpr std::array<std::array<float, 4>, 10> kHaloColors{{
    {1.0F, 0.6F, 0.2F, 0.55F},
    {1.0F, 1.0F, 0.65F, 0.55F},
    {1.0F, 0.1F, 0.1F, 0.55F},
    {0.5F, 1.0F, 0.5F, 0.55F},
    {0.25F, 1.0F, 1.0F, 0.55F},
    {0.8F, 0.8F, 1.0F, 0.55F},
    {0.4F, 0.4F, 1.0F, 0.55F},
    {0.8F, 0.55F, 0.6F, 0.55F},
    {1.0F, 1.0F, 1.0F, 0.55F},
    {0.7F, 0.7F, 0.7F, 0.55F},
}};

// Where the real sky puts the bodies, in the scene frame, while it is real.
// The Moon then stands at moonOffset from the Earth's centre instead of on
// its animated circle; with trueOrbits on, the planets stand at `centre`,
// every body turns about its `pole` and shows its longitude 0 towards
// `primeMeridian` (unit vectors), and the shadows of eclipses fall from the
// Sun's and the Moon's true places from the Earth (in Earth radii: the drawn
// bodies are not to scale). With moonsReal, the planets' moons stand in
// moonDirection (unit vectors, moon-id order) from their planets.
struct SkyPlacement {
    bool moonReal = false;
    Vector3 moonOffset{};
    bool moonsReal = false;
    std::array<Vector3, kMoonCount> moonDirection{};
    bool trueOrbits = false;
    std::array<Vector3, 14> centre{};
    std::array<Vector3, 14> pole{};
    std::array<Vector3, 14> primeMeridian{};
    Vector3 sunFromEarth{};
    Vector3 moonFromEarth{};

    friend bool operator==(const SkyPlacement&, const SkyPlacement&) = default;
};

// Once the sky is real the spins are computed, not accumulated: a frame's
// step at real time is far below a float's spacing near 360 degrees, and
// added to the angle it would be lost. Each spin is its angle at the epoch
// plus its animated rate times the animation's seconds since (in double).
struct SpinClock {
    bool running = false;
    double seconds = 0; // of animation time since the epoch, negative backwards
    std::array<double, 14> epochAngle{};
    double sunEpochAngle = 0;
    double moonEpochAngle = 0;

    friend bool operator==(const SpinClock&, const SpinClock&) = default;
};

// The state of the animated scene. Arrays are indexed by body id (2 to 13;
// 12 and 13 are never used); the Sun's one angle is SunSpin.
struct SceneState {
    bool Done = false;
    std::uint8_t Selected = NoBody;
    std::array<float, 14> OrbitAngle{};
    std::array<float, 14> SpinAngle{};
    float SunSpin = 0;
    float MoonSpin = 0;
    float CameraAngle = 0;
    std::int16_t RenderMode = kRenderModeRender;
    std::array<double, 14> OrbitPeriod{};
    std::array<double, 14> SpinsPerOrbit{};
    std::array<float, 4> FlareColor = kHaloColors[0];
    SkyPlacement Real;
    SpinClock Spins;

    friend bool operator==(const SceneState&, const SceneState&) = default;
};

// Fills OrbitPeriod and SpinsPerOrbit for one Earth year of `secondsPerYear`
// seconds. The angles keep their values (a running spin clock starts a new
// epoch at them).
void ComputeRates(SceneState& scene, std::uint8_t secondsPerYear);

// Moves `angle` on by 360 degrees times `elapsed / period`; an angle that
// reaches 360 becomes 0 (the overshoot is dropped). A negative `elapsed`
// runs it backwards, and an angle below 0 comes round from 360.
void AdvanceAngle(float& angle, double period, double elapsed);

// One animation step over `elapsed` seconds (negative: backwards). The
// selected body stays on its orbit but keeps turning; selecting the Moon also
// holds the Earth, and selecting a planet's moon holds that planet.
void AdvanceAnimation(SceneState& scene, double elapsed);

// From now on the spins follow the spin clock, from their present angles;
// nothing changes when it already runs.
void StartSpinClock(SceneState& scene);

// Sets the nine planets' orbit angles to `longitudes`, nothing else.
void SetOrbitAngles(SceneState& scene, const std::array<PlanetLongitude, 9>& longitudes);
