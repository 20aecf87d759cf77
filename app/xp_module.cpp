#include "xp_module.h"

namespace XPModule {

void ResetViewSettings()
{
    PerspectiveAngle = 35;
    SecondsPerYear = 220;
    ViewTilt = 25.0;
    ViewPanX = 0;
    ViewPanY = 5;
}

} // namespace XPModule
