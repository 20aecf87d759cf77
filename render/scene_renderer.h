#pragma once

#include "body_places.h"
#include "scene_state.h"
#include "star_backdrop.h"
#include "view_camera.h"

#include <array>

class MoonGlobes;

// What a frame reads besides the scene state.
struct FrameInputs {
    bool spinCamera = false;   // the "Spinning" box is ticked
    bool showOrbits = false;   // the "Visualizza le orbite" box is ticked
    double elapsedSeconds = 0; // the frame timer's last frame time
    double panX = 0;           // scene translation
    double panY = 0;
    double tilt = 0;           // scene turn about X, degrees
    CameraPose camera;         // the view's camera after the placement
    BodyPlaces* places = nullptr; // filled with where each body is drawn, when set
    MoonGlobes* moons = nullptr;  // the planets' moons, drawn beside them when set
    StarBackdrop* backdrop = nullptr; // the sky behind the bodies, when set
    StarBackdrop::Layers backdropLayers;
};

// Draws one frame of the scene into the current context: the camera, the
// sky behind the bodies if set (never in selection mode), the orbit lines
// if asked, the Sun, the planets with the Moon and Saturn's ring, the
// planets' moons if set, and the highlight of a selected Sun or Earth. In
// selection mode every body is drawn under its body id, a moon under its
// moon id. The caller swaps buffers.
void RenderScene(SceneState& scene, const FrameInputs& inputs);

// A frame of the same bodies at the start placement (pan, tilt, camera and moons ignored),
// with a larger Sun behind its flare and Saturn without its ring. The planets
// are drawn in the frame the flared Sun leaves behind (its two turns), not in
// the scene frame of RenderScene.
void RenderFixedScene(SceneState& scene, const FrameInputs& inputs);

// The Sun behind two counter-turning flare quads. Leaves the sphere's two
// turns on the model-view matrix.
void DrawFlareSun(const SceneState& scene);
