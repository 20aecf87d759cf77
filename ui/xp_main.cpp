#include "xp_main.h"

#include "ogl_win.h"
#include "planet_catalogue.h"
#include "xp_module.h"

#include <QCoreApplication>

#include <cstdlib>
#include <memory>

namespace XPModule {

int Main(const CommandLineOptions& options)
{
    ResetViewSettings();
    InitPlanetData();
    auto window = std::make_unique<OGLWin>();
    window->Loop.Pacer.SetCeiling(options.maxFps);
    if (options.startMoment) {
        window->SetSkyMoment(*options.startMoment);
    }
    const bool ran = window->Form_Load();
    // Without a counter the loop ends at once, but the window stays on the
    // screen with its still scene, repainted when asked, until it is closed.
    while (window->isVisible()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return ran ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace XPModule
