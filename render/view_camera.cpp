#include "view_camera.h"

#include "body_orbits.h"
#include "planet_positions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

// The scene point that the placement and the turn bring onto the point the
// eye looks at: the look-at centre carried back through them.
Vector3 ViewCentreInScene(const ScenePlacement& placement, double turn)
{
    const double x = kLookAtCentre[0] - placement.panX;
    const double y = kLookAtCentre[1] - placement.panY;
    const double z = kLookAtCentre[2] - kSceneDepth;
    const double tilt = Radians(-placement.tilt);
    const double tiltedY = y * std::cos(tilt) - z * std::sin(tilt);
    const double tiltedZ = y * std::sin(tilt) + z * std::cos(tilt);
    const double a = Radians(-turn);
    return {x * std::cos(a) + tiltedZ * std::sin(a), tiltedY, -x * std::sin(a) + tiltedZ * std::cos(a)};
}

// The shorter way from `from` to `to` degrees round a circle.
double ShortWay(double from, double to)
{
    return std::remainder(to - from, 360.0);
}

// The angle of a direction about Y, as glRotated turns it.
double AngleAboutY(const Vector3& v)
{
    return std::atan2(v[0], v[2]) * 180 / std::numbers::pi;
}

} // namespace

Vector3 EyeAt(float cameraAngle)
{
    // The camera's formula takes pi as 3.14.
    const double theta = cameraAngle / 180.0 * 3.14;
    return {-20 * std::cos(theta), 5 * std::sin(theta), 0};
}

double TurnFacing(const Vector3& direction, double tilt, float cameraAngle)
{
    // The way to the eye from the point it looks at, carried back through
    // the tilt; the turn then lines it up with `direction` about Y.
    const Vector3 toEye = EyeAt(cameraAngle) - kLookAtCentre;
    const double b = Radians(-tilt);
    const Vector3 untilted{toEye[0], toEye[1] * std::cos(b) - toEye[2] * std::sin(b),
                           toEye[1] * std::sin(b) + toEye[2] * std::cos(b)};
    return ToOrbitAngle(AngleAboutY(untilted) - AngleAboutY(direction));
}

double EasedGlide(double progress)
{
    return progress * progress * (3 - 2 * progress);
}

void ViewCamera::Turn(double degrees)
{
    if (std::isfinite(degrees)) {
        TurnFrom = ToOrbitAngle(TurnFrom + degrees);
    }
}

// A new glide keeps what is left of a turn under way.
void ViewCamera::GlideTurn(double degrees, const CameraPose& now)
{
    StartGlide(now, TurnLeft() + degrees, Target);
}

void ViewCamera::Follow(std::uint8_t body, const CameraPose& now)
{
    StartGlide(now, TurnLeft(), body);
}

double ViewCamera::TurnLeft() const
{
    return TurnBy * (1 - Eased());
}

void ViewCamera::GoHome(const CameraPose& now)
{
    StartGlide(now, ShortWay(now.turn, 0), NoBody);
    Steers = true;
}

void ViewCamera::Show(std::uint8_t body, double turn, const CameraPose& now)
{
    StartGlide(now, ShortWay(now.turn, turn), body);
    Steers = true;
}

void ViewCamera::StartGlide(const CameraPose& now, double turnBy, std::uint8_t target)
{
    TurnFrom = now.turn;
    TurnBy = turnBy;
    ShiftFrom = now.shift;
    Target = target;
    Progress = 0;
    Steers = false;
}

void ViewCamera::Advance(double elapsed)
{
    if (Progress >= 1 || !(elapsed > 0)) {
        return;
    }
    Progress = std::min(1.0, Progress + std::min(elapsed, kLongestStep) / kGlideSeconds);
    if (Progress >= 1) {
        TurnFrom = ToOrbitAngle(TurnFrom + TurnBy);
        TurnBy = 0;
    }
}

bool ViewCamera::AtRest() const
{
    return Progress >= 1 && Target == NoBody && TurnFrom == 0;
}

CameraPose ViewCamera::Pose(const SceneState& scene, const ScenePlacement& placement) const
{
    if (AtRest()) {
        return {};
    }
    CameraPose pose;
    pose.active = true;
    const double eased = Eased();
    pose.turn = ToOrbitAngle(TurnFrom + TurnBy * eased);
    Vector3 to{};
    if (Target != NoBody) {
        to = ViewCentreInScene(placement, pose.turn) - BodyCentre(scene, static_cast<BodyId>(Target));
    }
    pose.shift = ShiftFrom + (to - ShiftFrom) * eased;
    return pose;
}
