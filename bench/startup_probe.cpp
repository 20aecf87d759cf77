#include "startup_probe.h"

#include "window_parts.h"
#include "planet_catalogue.h"
#include "xp_module.h"

#include <cstdlib>
#include <memory>

int RunStartupProbe(const ProbeArguments& arguments)
{
    XPModule::ResetViewSettings();
    XPModule::InitPlanetData();
    auto window = std::make_unique<OGLWin>();
    window->Loop.Pacer.SetCeiling(0); // frames as fast as they come, as the minimal program draws them
    if (!window->LoadForm()) {
        return EXIT_FAILURE;
    }
    return RunProbeFrames(arguments, [&] { window->RenderLoopPass(); });
}
