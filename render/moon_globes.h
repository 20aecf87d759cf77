#pragma once

#include "body_places.h"
#include "scene_state.h"

#include <GL/gl.h>

#include <array>

// The planets' moons as lit, textured spheres beside their planets, each
// under its moon id for picking. Their maps are read from beside the
// executable when first drawn; a moon without one, or whose file cannot be
// read, is a plain grey sphere, and nobody is told.
class MoonGlobes {
public:
    MoonGlobes() = default;
    MoonGlobes(const MoonGlobes&) = delete;
    MoonGlobes& operator=(const MoonGlobes&) = delete;

    // Draws the moons of `planet` in the scene frame that is current, noting
    // their places in `places` when set. Leaves the model-view matrix as it
    // found it.
    void Draw(const SceneState& scene, BodyId planet, BodyPlaces* places);

    // Deletes the spheres and the maps; the context they live in must be current.
    void Release();
    // Forgets them without deleting them, for a context already gone.
    void Forget();

private:
    void Prepare();

    GLuint Spheres = 0; // the first of kMoonCount lists, in moon-id order
    std::array<GLuint, kMoonCount> Maps{}; // 0: no map
};
