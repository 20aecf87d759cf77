#pragma once

#include "view_camera.h"

#include <optional>

// The view's settings outside the camera: tilt, pan and zoom as the controls
// hold them.
struct ViewControlValues {
    double tilt = 0;
    int panX = 0;
    int panY = 0;
    int zoom = 0;
};

// The view's camera on the clock's real time, so that its glides go on while
// the animation is paused; on the way home it also brings the settings back,
// frame by frame in whole steps.
class CameraRig {
public:
    // The clock's time, in seconds, that the first glide step counts from.
    void StartClock(double now) { Clock = now; }
    // Back to the designed view, from `settings` and the pose `now`.
    void GoHome(const ViewControlValues& settings, const CameraPose& now);
    // Follows `body` turned to `turn`, the zoom bar gliding to `zoom`.
    void Show(std::uint8_t body, double turn, int zoom, const ViewControlValues& settings, const CameraPose& now);
    // Moves the glide on to the clock's `now`; on the way home or to a body,
    // the settings for this frame on the way from where it started to where
    // it goes (`home`, on the way home).
    std::optional<ViewControlValues> Advance(double now, const ViewControlValues& home);

    ViewCamera Camera;

private:
    ViewControlValues SettingsFrom;
    std::optional<ViewControlValues> SettingsTo; // none: home
    double Clock = 0;
};
