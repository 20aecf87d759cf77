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

// VSOP87 for Mercury to Neptune, Meeus's series for Pluto.
const std::array<SkyBody, Pluto + 1>& SkyBodies()
{
    static constexpr std::array<SkyBody, Pluto + 1> kBodies{{
        {0, nullptr}, // no body
        {0, nullptr}, // the Sun
        {1, ln_get_mercury_helio_coords},
        {2, ln_get_venus_helio_coords},
        {3, ln_get_earth_helio_coords},
        {0, nullptr}, // the Moon
        {4, ln_get_mars_helio_coords},
        {5, ln_get_jupiter_helio_coords},
        {6, ln_get_saturn_helio_coords},
        {7, ln_get_uranus_helio_coords},
        {8, ln_get_neptune_helio_coords},
        {9, ln_get_pluto_helio_coords},
    }};
    return kBodies;
}
