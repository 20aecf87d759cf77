#pragma once

#include "scene_state.h"

#include <array>
#include <cstdint>

// The point the eye looks at, and how far the placement moves the scene
// along Z, in the frame the scene is placed in.
inline constexpr Vector3 kLookAtCentre{0, 2.5, -40};
inline constexpr double kSceneDepth = -40;

// Where the eye stands, in that frame, at the "Spinning" box's camera angle.
Vector3 EyeAt(float cameraAngle);

// The camera turn that shows a followed body's side towards `direction`
// (scene frame) to the eye, as near as the turn about the orbits' axis can,
// with the scene tilted by `tilt` degrees; degrees, 0 to 360.
double TurnFacing(const Vector3& direction, double tilt, float cameraAngle);

// How the scene is placed before the camera's own moves: pan and tilt.
struct ScenePlacement {
    double panX = 0;
    double panY = 0;
    double tilt = 0; // degrees about X
};

// The camera in one frame, applied after the scene's placement: a turn about
// the orbits' axis, then a shift of the whole scene. At rest nothing at all is
// applied.
struct CameraPose {
    bool active = false;
    float turn = 0;                // degrees about the scene's Y axis
    Vector3 shift{}; // scene units
    bool Shifted() const { return shift != Vector3{}; }
};

// The ease-in and ease-out of a glide at `progress` (0 to 1): smoothstep.
double EasedGlide(double progress);

// The view's camera: its turn, the body it follows, and a glide from where it
// stood to where it was sent, eased over frame time.
class ViewCamera {
public:
    static constexpr double kGlideSeconds = 1.5;
    // A longer frame counts as this long, so that no glide skips its end.
    static constexpr double kLongestStep = 0.1;

    // Turns at once (a drag); a glide under way keeps going from there.
    void Turn(double degrees);
    // The glides start from `now`, the pose last drawn or about to be.
    void GlideTurn(double degrees, const CameraPose& now);
    void Follow(std::uint8_t body, const CameraPose& now);
    // Back to turn 0 and no shift, the short way round.
    void GoHome(const CameraPose& now);
    // Follows `body`, turning to `turn` the short way round.
    void Show(std::uint8_t body, double turn, const CameraPose& now);
    // Moves the glide on by a frame of `elapsed` seconds.
    void Advance(double elapsed);

    bool AtRest() const;
    // The body followed, or NoBody.
    std::uint8_t Followed() const { return Target; }
    // A glide home or to show a body, which also carries the view's settings.
    bool Steering() const { return Steers && Progress < 1; }
    // How far the glide has come on the ease curve; 1 when there is none.
    double Eased() const { return EasedGlide(Progress); }

    // The pose for a frame of `scene` placed by `placement`: a followed body
    // is shifted onto the point the eye looks at.
    CameraPose Pose(const SceneState& scene, const ScenePlacement& placement) const;

private:
    void StartGlide(const CameraPose& now, double turnBy, std::uint8_t target);
    double TurnLeft() const; // degrees of the glide's turn still to come

    double TurnFrom = 0;
    double TurnBy = 0;
    Vector3 ShiftFrom{};
    std::uint8_t Target = NoBody;
    double Progress = 1;
    bool Steers = false;
};
