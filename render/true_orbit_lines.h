#pragma once

#include "orbit_path.h"

#include <array>

// The nine planets' true paths as compiled lines of the scene: each path
// follows the sky's moment (see OrbitPath) and its line is compiled again
// only when the path has moved. Needs the view's context current.
class TrueOrbitLines {
public:
    TrueOrbitLines();
    void Follow(double julianDay);

private:
    std::array<OrbitPath, 9> Paths;
};
