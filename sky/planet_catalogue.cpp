#include "planet_catalogue.h"

namespace XPModule {

void InitPlanetData()
{
    Planets[1] = {"Merkurius", 4879, 1407.6, 4222.6, 57.9, 88.0, 0.01};
    Planets[2] = {"Venus", 12104, -5832.5, 2802.0, 108.2, 224.7, 177.4};
    Planets[3] = {"Bumi", 12756, 23.9, 24.0, 149.6, 365.2, 23.5};
    Planets[4] = {"Mars", 6794, 24.6, 24.7, 227.9, 687.0, 25.2};
    Planets[5] = {"Jupiter", 142984, 9.9, 9.9, 778.6, 4331, 3.1};
    Planets[6] = {"Saturnus", 120536, 10.7, 10.7, 1433.5, 10747, 26.7};
    Planets[7] = {"Uranus", 51118, -17.2, 17.2, 2872.5, 30589, 97.8};
    Planets[8] = {"Neptunus", 49528, 16.1, 16.1, 4495.1, 59800, 28.3};
    Planets[9] = {"Pluto", 2390, -153.3, 153.3, 5870.0, 90588, 122.5};
}

} // namespace XPModule
