#pragma once

#include "scene_state.h"

// What a frame reads besides the scene state.
struct FrameInputs {
    bool spinCamera = false;      // the "Spinning" box is ticked
    bool showOrbits = false;      // the "Visualizza le orbite" box is ticked
    double elapsedSeconds = 0;    // the frame timer's last frame time
    double panX = 0;              // scene translation
    double panY = 0;
    double tilt = 0;              // scene turn about X, degrees
};

// Draws one frame of the scene into the current context. In selection mode
// every body is drawn under its body id. The caller swaps buffers.
void RenderScene(SceneState& scene, const FrameInputs& inputs);
