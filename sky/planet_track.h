#pragma once

#include "planet_positions.h"

#include <array>

// The bodies' places at a moment that moves on a little every frame, for a
// small share of the theories' cost: each theory is evaluated on a grid of
// days, a step of its own apart, and its place is interpolated in between,
// the longitude within 0.005 degrees of the theory (a hundredth of a pixel
// at the view's scale). The grid serves time running either way. A theory
// that gives a non-finite place leaves the body where it last stood.
class PlanetTrack {
public:
    // Longitudes in degrees, in body-id order, at a Julian day of universal
    // time inside the span of computable moments.
    std::array<PlanetLongitude, 9> At(double julianDay);
    // The nine planets' heliocentric places there, in body-id order; Pluto
    // on its ellipse.
    std::array<EclipticPlace, 9> Places(double julianDay);
    // The Moon's geocentric place there.
    EclipticPlace MoonPlace(double julianDay);

private:
    // One body's samples: its place at the start of a grid step and the
    // change over the step (across 0/360 as a small change).
    struct Step {
        double start = -1;
        EclipticPlace place;
        EclipticPlace change;
        EclipticPlace lastGood;
    };
    EclipticPlace Interpolated(Step& samples, double step, EclipticPlace (*theory)(BodyId, double), BodyId body,
                               double julianDay);
    std::array<Step, 9> PlanetSamples;
    Step MoonSamples;
};
