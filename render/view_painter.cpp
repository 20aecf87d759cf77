#include "view_painter.h"

void ViewPainter::Draw(SceneState& scene, FrameInputs inputs, const Options& options)
{
    const bool drawing = scene.RenderMode == kRenderModeRender;
    const bool names = drawing && options.names;
    if (names || (drawing && options.notePlaces)) {
        inputs.places = &Placed;
    }
    if (inputs.showOrbits && scene.Real.trueOrbits) {
        TruePaths.Follow(options.julianDay);
    }
    RenderScene(scene, inputs);
    if (names) {
        Names.Draw(Placed, options.scale);
    }
}
