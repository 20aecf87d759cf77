#pragma once

#include "scene_renderer.h"
#include "screen_labels.h"

#include <array>

// The bodies' Italian names beside them in the view. Each name is laid out
// once into a texture of its own (again only when the view's scale changes);
// a frame draws each as a quad facing the screen, right of its body.
class BodyNameLabels {
public:
    BodyNameLabels() = default;
    BodyNameLabels(const BodyNameLabels&) = delete;
    BodyNameLabels& operator=(const BodyNameLabels&) = delete;

    // Draws the names of the bodies in front at `places` over the current
    // viewport, the text at `scale` device pixels per logical pixel. Leaves
    // the matrices and every other GL state as it found them.
    void Draw(const BodyPlaces& places, double scale);

    // Deletes the textures; the context they live in must be current.
    void Release();
    // Forgets the textures without deleting them, for a context already gone.
    void Forget();

private:
    void Prepare(double scale);

    std::array<ScreenLabel, kSceneBodyCount> labels{};
    double preparedScale = 0;
};
