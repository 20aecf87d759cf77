#pragma once

#include "screen_labels.h"
#include "star_backdrop.h"

#include <vector>

// The constellations' Italian names at their figures' centres and the named
// stars' beside them, at the screen's pixels, placed through the turn of the
// last frame the backdrop drew. Laid out once into one texture (again only
// when the view's scale changes) and drawn in one batch.
class SkyNameLabels {
public:
    SkyNameLabels() = default;
    SkyNameLabels(const SkyNameLabels&) = delete;
    SkyNameLabels& operator=(const SkyNameLabels&) = delete;

    void Draw(const StarBackdrop& backdrop, bool constellations, bool stars, double scale);

    // Deletes the textures; the context must be current.
    void Release();
    // Forgets them, for a context already gone.
    void Forget();

private:
    void Prepare(double scale);

    std::vector<ScreenLabel> Labels; // the constellations', then the stars', one texture
    double PreparedScale = 0;
};
