#pragma once

#include "body_names.h"
#include "moon_globes.h"
#include "scene_renderer.h"
#include "sky_names.h"
#include "star_backdrop.h"
#include "true_orbit_lines.h"

// One frame of the view in its context: the sky behind the bodies when it
// is asked for, the scene, the planets' true paths when they are shown, the
// planets' moons when asked for, and the names. Where the bodies land is noted only when the names or a body
// chosen from the keyboard need it, and the names and the sky are drawn only
// in frames to be seen: never in a selection pass, so they are never picked.
class ViewPainter {
public:
    struct Options {
        bool names = false;      // "Nomi dei corpi" is on
        bool notePlaces = false; // a body chosen from the keyboard needs its place
        double julianDay = 0;    // the sky's moment, for the true paths
        double scale = 1;        // device pixels per logical pixel
        StarBackdrop::Layers sky; // "Stelle", "Costellazioni", "Via Lattea"
        bool moons = false;      // "Lune dei pianeti" is on
    };

    void Draw(SceneState& scene, FrameInputs inputs, const Options& options);

    // Where the last frame that noted them drew each body.
    const BodyPlaces& Places() const { return Placed; }

    // The sky behind the bodies, to be given its data.
    StarBackdrop& Backdrop() { return Sky; }

    // Deletes the names' textures, the sky's lists and the moons'; the context must be current.
    void Release();
    // Forgets them, for a context already gone.
    void Forget();

private:
    BodyPlaces Placed;
    BodyNameLabels Names;
    TrueOrbitLines TruePaths;
    StarBackdrop Sky;
    SkyNameLabels SkyNames;
    MoonGlobes Moons;
};
