#pragma once

#include "planet_positions.h"

#include <array>

// The nine planets' longitudes at a moment that moves on a little every
// frame, for a small share of the theories' cost: each planet's theory is
// evaluated on a grid of days, a step of its own apart, and its longitude is
// interpolated in between, within 0.005 degrees of the theory (a hundredth
// of a pixel at the view's scale). The grid serves time running either way.
class PlanetTrack {
public:
    // Longitudes in degrees, in body-id order, at a Julian day of universal
    // time inside the span of computable moments.
    std::array<PlanetLongitude, 9> At(double julianDay);

private:
    // One planet's samples: its longitude at the start of a grid step and
    // the change over the step (across 0/360 as a small change).
    struct Step {
        double start = -1;
        double longitude = 0;
        double change = 0;
    };
    std::array<Step, 9> Steps;
};
