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
        {"", 0, nullptr},
        {"Sole", 0, nullptr},
        {"Mercurio", 1, ln_get_mercury_helio_coords},
        {"Venere", 2, ln_get_venus_helio_coords},
        {"Terra", 3, ln_get_earth_helio_coords},
        {"Luna", 0, nullptr},
        {"Marte", 4, ln_get_mars_helio_coords},
        {"Giove", 5, ln_get_jupiter_helio_coords},
        {"Saturno", 6, ln_get_saturn_helio_coords},
        {"Urano", 7, ln_get_uranus_helio_coords},
        {"Nettuno", 8, ln_get_neptune_helio_coords},
        {"Plutone", 9, ln_get_pluto_helio_coords},
    }};
    return kBodies;
}
