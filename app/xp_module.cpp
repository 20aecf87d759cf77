#include "xp_module.h"

namespace XPModule {

void ResetViewSettings()
{
    PerspectiveAngle = kStartPerspectiveAngle;
    SecondsPerYear = 220;
    ViewTilt = kStartViewTilt;
    ViewPanX = kStartViewPanX;
    ViewPanY = kStartViewPanY;
}

} // namespace XPModule
