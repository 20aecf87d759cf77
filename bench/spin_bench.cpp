#include "spin_bench.h"

#include "scene_state.h"
#include "sky_rates.h"

#include <cmath>

SpinHour RunSpinHour(int framesPerSecond, std::uint8_t secondsPerYear)
{
    SceneState scene;
    ComputeRates(scene, secondsPerYear);
    // Past the angles where a float's spacing swallowed a frame's step.
    scene.SpinAngle[Earth] = 300;
    scene.SpinAngle[Pluto] = 300;
    StartSpinClock(scene);
    constexpr double kHour = 3600;
    const double step = RateFactor(SkyRate::RealTime, secondsPerYear) / framesPerSecond;
    SpinHour hour{.framesPerSecond = framesPerSecond};
    hour.frames = static_cast<long>(kHour * framesPerSecond);
    for (long frame = 0; frame < hour.frames; ++frame) {
        const float earth = scene.SpinAngle[Earth];
        const float pluto = scene.SpinAngle[Pluto];
        AdvanceAnimation(scene, step);
        if (scene.SpinAngle[Earth] == earth || scene.SpinAngle[Pluto] == pluto) {
            ++hour.stalls;
        }
        hour.earthTurned += std::remainder(scene.SpinAngle[Earth] - earth, 360.0);
    }
    const double period = scene.OrbitPeriod[Earth] / scene.SpinsPerOrbit[Earth];
    hour.earthExpected = 360 * step * static_cast<double>(hour.frames) / period;
    return hour;
}
