#include "xp_main.h"

#include "ogl_win.h"
#include "planet_catalogue.h"
#include "planet_positions.h"
#include "xp_module.h"

#include <cstdlib>
#include <memory>

namespace XPModule {

int Main(const CommandLineOptions& options)
{
    ResetViewSettings();
    InitPlanetData();
    auto window = std::make_unique<OGLWin>();
    window->Pacer.SetCeiling(options.maxFps);
    if (options.startMoment) {
        SetOrbitAnglesAt(*window, *options.startMoment);
    }
    return window->Form_Load() ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace XPModule
