#include "camera_rig.h"

#include <cmath>

namespace {

// A whole value on the way from `from` to `to`, `eased` of the way there; a
// value that does not change stays as it is.
double WholeBetween(double from, double to, double eased)
{
    return from == to ? from : std::round(from + (to - from) * eased);
}

} // namespace

void CameraRig::GoHome(const ViewControlValues& settings, const CameraPose& now)
{
    SettingsFrom = settings;
    SettingsTo.reset();
    Camera.GoHome(now);
}

void CameraRig::Show(std::uint8_t body, double turn, int zoom, const ViewControlValues& settings,
                     const CameraPose& now)
{
    SettingsFrom = settings;
    SettingsTo = settings;
    SettingsTo->zoom = zoom;
    Camera.Show(body, turn, now);
}

std::optional<ViewControlValues> CameraRig::Advance(double now, const ViewControlValues& home)
{
    const double elapsed = now - Clock;
    Clock = now;
    const bool steering = Camera.Steering();
    Camera.Advance(elapsed);
    if (!steering) {
        return std::nullopt;
    }
    const double eased = Camera.Eased();
    const ViewControlValues& to = SettingsTo ? *SettingsTo : home;
    return ViewControlValues{
        .tilt = WholeBetween(SettingsFrom.tilt, to.tilt, eased),
        .panX = static_cast<int>(WholeBetween(SettingsFrom.panX, to.panX, eased)),
        .panY = static_cast<int>(WholeBetween(SettingsFrom.panY, to.panY, eased)),
        .zoom = static_cast<int>(WholeBetween(SettingsFrom.zoom, to.zoom, eased)),
    };
}
