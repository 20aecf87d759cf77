#include "camera_rig.h"

#include <cmath>

namespace {

// A whole value on the way from `from` to `to`, `eased` of the way there.
double WholeBetween(double from, double to, double eased)
{
    return std::round(from + (to - from) * eased);
}

} // namespace

void CameraRig::GoHome(const ViewControlValues& settings, const CameraPose& now)
{
    HomeFrom = settings;
    Camera.GoHome(now);
}

std::optional<ViewControlValues> CameraRig::Advance(double now, const ViewControlValues& home)
{
    const double elapsed = now - Clock;
    Clock = now;
    const bool goingHome = Camera.GoingHome();
    Camera.Advance(elapsed);
    if (!goingHome) {
        return std::nullopt;
    }
    const double eased = Camera.Eased();
    return ViewControlValues{
        .tilt = WholeBetween(HomeFrom.tilt, home.tilt, eased),
        .panX = static_cast<int>(WholeBetween(HomeFrom.panX, home.panX, eased)),
        .panY = static_cast<int>(WholeBetween(HomeFrom.panY, home.panY, eased)),
        .zoom = static_cast<int>(WholeBetween(HomeFrom.zoom, home.zoom, eased)),
    };
}
