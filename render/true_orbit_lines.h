#pragma once

#include "orbit_path.h"

#include <array>

// The nine planets' true paths as compiled lines of the scene: each path
// follows the sky's moment (see OrbitPath) and its line is compiled again
// only when the path has moved. Needs the view's context current.
class TrueOrbitLines {
public:
    TrueOrbitLines();
    // Brings one path that has to move round `julianDay`, so that a frame
    // never pays for more than one (building all nine from nothing takes a
    // fifth of a second). True when none had to move.
    bool Follow(double julianDay);

private:
    std::array<OrbitPath, 9> Paths;
};
