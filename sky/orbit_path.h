#pragma once

#include "body_ids.h"
#include "planet_positions.h"

#include <cstdint>
#include <vector>

// A planet's true path over one revolution about a moment: its heliocentric
// places on a grid of a 360th of its sidereal period, from half a period
// before the moment to half a period after it (Pluto on its ellipse). The
// path moves on in eighths of a revolution and keeps the samples it already
// has, so a moment that runs on costs the theory only the new end.
class OrbitPath {
public:
    static constexpr int kSamplesPerRevolution = 360;

    explicit OrbitPath(BodyId planet);

    // Brings the path round `julianDay` (universal time). True when its
    // points changed.
    bool Follow(double julianDay);
    const std::vector<EclipticPlace>& Points() const { return Samples; }

private:
    BodyId Planet;
    double StepDays;
    bool Built = false;
    std::int64_t FirstIndex = 0; // the grid index of Samples.front()
    std::vector<EclipticPlace> Samples;
};

// A planet's published sidereal period in days.
double SiderealPeriodDays(BodyId planet);
