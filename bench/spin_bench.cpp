#include "spin_bench.h"

#include "scene_state.h"
#include "sky_rates.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kHour = 3600;
constexpr float kStartAngle = 300; // past the angles where a frame's step used to be lost

// How one body's drawn angle stood still: the longest run of frames without
// a change, and the frames its rate takes to cross a float step there.
struct Standstill {
    long run = 0;
    long longest = 0;

    void Note(bool moved)
    {
        run = moved ? 0 : run + 1;
        longest = std::max(longest, run);
    }
};

double FramesPerFloatStep(double degreesPerFrame)
{
    const float step = std::nextafter(360.0F, 0.0F) - std::nextafter(std::nextafter(360.0F, 0.0F), 0.0F);
    return std::ceil(step / degreesPerFrame) + 1;
}

} // namespace

SpinHour RunSpinHour(int framesPerSecond, std::uint8_t secondsPerYear)
{
    SceneState scene;
    ComputeRates(scene, secondsPerYear);
    scene.SpinAngle[Earth] = kStartAngle;
    scene.SpinAngle[Pluto] = kStartAngle;
    StartSpinClock(scene);
    const double step = RateFactor(SkyRate::RealTime, secondsPerYear) / framesPerSecond;
    const auto degreesPerFrame = [&](BodyId body) {
        return 360 * step / (scene.OrbitPeriod[body] / scene.SpinsPerOrbit[body]);
    };
    SpinHour hour{.framesPerSecond = framesPerSecond};
    hour.frames = static_cast<long>(kHour * framesPerSecond);
    Standstill earth;
    Standstill pluto;
    for (long frame = 0; frame < hour.frames; ++frame) {
        const float earthBefore = scene.SpinAngle[Earth];
        const float plutoBefore = scene.SpinAngle[Pluto];
        AdvanceAnimation(scene, step);
        earth.Note(scene.SpinAngle[Earth] != earthBefore);
        pluto.Note(scene.SpinAngle[Pluto] != plutoBefore);
        hour.earthTurned += std::remainder(scene.SpinAngle[Earth] - earthBefore, 360.0);
    }
    hour.worstStill = std::max(static_cast<double>(earth.longest) / FramesPerFloatStep(degreesPerFrame(Earth)),
                               static_cast<double>(pluto.longest) / FramesPerFloatStep(degreesPerFrame(Pluto)));
    hour.earthExpected = degreesPerFrame(Earth) * static_cast<double>(hour.frames);
    return hour;
}
