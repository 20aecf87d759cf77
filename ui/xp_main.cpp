#include "xp_main.h"

#include "ogl_win.h"
#include "planet_catalogue.h"
#include "xp_module.h"

#include <cstdlib>
#include <memory>

namespace XPModule {

int Main()
{
    ResetViewSettings();
    InitPlanetData();
    auto window = std::make_unique<OGLWin>();
    return window->Form_Load() ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace XPModule
