#include "sky_bodies.h"

#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

namespace {

// A revolution of `orbitDays` and a turn about the axis every `spinDays`.
constexpr AnimationDays OrbitAndSpin(int orbitDays, int spinDays)
{
    return {orbitDays, static_cast<double>(orbitDays) / spinDays};
}

// A revolution of `orbitDays` and ten turns about the axis in it.
constexpr AnimationDays OrbitAndTenSpins(int orbitDays)
{
    return {orbitDays, 10.0};
}

} // namespace

// VSOP87 for Mercury to Neptune, Meeus's series for Pluto.
const std::array<SkyBody, Pluto + 1>& SkyBodies()
{
    // name, catalogue row, theory, animation, drawn orbit, sidereal period,
    // mean distance, pole, rotation, texture slot
    static constexpr std::array<SkyBody, Pluto + 1> kBodies{{
        {0, nullptr, {}, 0, 0, 0, {270.0, 66.560709}, {}, 0},
        {0, nullptr, {}, 0, 0, 0, {286.13, 63.87}, {84.176, 14.1844000}, 1},
        {1, ln_get_mercury_helio_coords, OrbitAndSpin(88, 58), 10, 87.969, 0.38709927,
         {281.0097, 61.4143, -0.0328, -0.0049}, {329.5469, 6.1385025}, 2},
        {2, ln_get_venus_helio_coords, OrbitAndSpin(225, 243), 18, 224.701, 0.72333566, {272.76, 67.16},
         {160.20, -1.4813688}, 3},
        {3, ln_get_earth_helio_coords, OrbitAndTenSpins(365), 25, 365.256, 1.00000261, {0.0, 90.0, -0.641, -0.557}, {190.147, 360.9856235}, 4},
        {0, nullptr, {}, 0, 0, 0, {269.9949, 66.5392, 0.0031, 0.0130}, {38.3213, 13.17635815}, 5},
        {4, ln_get_mars_helio_coords, OrbitAndTenSpins(687), 39, 686.980, 1.52371034,
         {317.68143, 52.88650, -0.1061, -0.0609}, {176.630, 350.89198226}, 6},
        {5, ln_get_jupiter_helio_coords, OrbitAndSpin(4331, 250), 50, 4332.589, 5.20288700,
         {268.056595, 64.495303, -0.006499, 0.002413}, {284.95, 870.5360000}, 7},
        {6, ln_get_saturn_helio_coords, OrbitAndSpin(10747, 250), 65, 10759.22, 9.53667594,
         {40.589, 83.537, -0.036, -0.004}, {38.90, 810.7939024}, 8},
        {7, ln_get_uranus_helio_coords, OrbitAndSpin(30589, 250), 74, 30685.4, 19.18916464,
         {257.311, -15.175}, {203.81, -501.1600928}, 9},
        {8, ln_get_neptune_helio_coords, OrbitAndSpin(59800, 250), 80, 60189.0, 30.06992276,
         {299.36, 43.46}, {253.18, 536.3128492}, 10},
        {9, ln_get_pluto_helio_coords, OrbitAndSpin(90588, 1000), 85, 90560.0, 39.48211675,
         {132.993, -6.163}, {302.695, 56.3625225}, 11},
    }};
    return kBodies;
}
