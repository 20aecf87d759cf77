#pragma once

#include "scene_state.h"

// What a frame reads besides the scene state.
struct FrameInputs {
    bool spinCamera = false;   // the "Spinning" box is ticked
    bool showOrbits = false;   // the "Visualizza le orbite" box is ticked
    double elapsedSeconds = 0; // the frame timer's last frame time
    double panX = 0;           // scene translation
    double panY = 0;
    double tilt = 0;           // scene turn about X, degrees
};

// Draws one frame of the scene into the current context: the camera, the
// orbit lines if asked, the Sun, the planets with the Moon and Saturn's ring,
// and the highlight of a selected Sun or Earth. In selection mode every body
// is drawn under its body id. The caller swaps buffers.
void RenderScene(SceneState& scene, const FrameInputs& inputs);

// A frame of the same bodies at the start placement (pan and tilt ignored),
// with a larger Sun behind its flare and Saturn without its ring. The planets
// are drawn in the frame the flared Sun leaves behind (its two turns), not in
// the scene frame of RenderScene.
void RenderFixedScene(SceneState& scene, const FrameInputs& inputs);

// The Sun behind two counter-turning flare quads. Leaves the sphere's two
// turns on the model-view matrix.
void DrawFlareSun(const SceneState& scene);
