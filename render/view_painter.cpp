#include "view_painter.h"

void ViewPainter::Draw(SceneState& scene, FrameInputs inputs, const Options& options)
{
    const bool drawing = scene.RenderMode == kRenderModeRender;
    const bool names = drawing && options.names;
    if (names || (drawing && options.notePlaces)) {
        Placed = {}; // a body this frame does not draw is in front of nothing
        inputs.places = &Placed;
    }
    if (options.moons) {
        inputs.moons = &Moons;
    }
    if (inputs.showOrbits && scene.Real.trueOrbits) {
        TruePaths.Follow(options.julianDay);
    }
    const bool sky = drawing && options.sky.Any();
    if (sky) {
        inputs.backdrop = &Sky;
        inputs.backdropLayers = options.sky;
    }
    RenderScene(scene, inputs);
    if (sky) {
        SkyNames.Draw(Sky, options.sky.figures, options.sky.stars && options.names, options.scale);
    }
    if (names) {
        Names.Draw(Placed, options.scale);
    }
}

void ViewPainter::Release()
{
    Names.Release();
    Sky.Release();
    SkyNames.Release();
    Moons.Release();
}

void ViewPainter::Forget()
{
    Names.Forget();
    Sky.Forget();
    SkyNames.Forget();
    Moons.Forget();
}
