#pragma once

#include "body_names.h"
#include "scene_renderer.h"
#include "true_orbit_lines.h"

// One frame of the view in its context: the scene, the planets' true paths
// when they are shown, and the names. Where the bodies land is noted only
// when the names or a body chosen from the keyboard need it, and the names
// are drawn only in frames to be seen: never in a selection pass, so they are
// never picked.
class ViewPainter {
public:
    struct Options {
        bool names = false;      // "Nomi dei corpi" is on
        bool notePlaces = false; // a body chosen from the keyboard needs its place
        double julianDay = 0;    // the sky's moment, for the true paths
        double scale = 1;        // device pixels per logical pixel
    };

    void Draw(SceneState& scene, FrameInputs inputs, const Options& options);

    // Where the last frame that noted them drew each body.
    const BodyPlaces& Places() const { return Placed; }

    // Deletes the names' textures; the context must be current.
    void Release() { Names.Release(); }
    // Forgets them, for a context already gone.
    void Forget() { Names.Forget(); }

private:
    BodyPlaces Placed;
    BodyNameLabels Names;
    TrueOrbitLines TruePaths;
};
