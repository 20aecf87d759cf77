#pragma once

#include <array>
#include <string>

// Physical figures of one planet.
struct PlanetInfo {
    std::string Name;          // Indonesian name
    double Diameter = 0;       // equatorial, km
    double RotationPeriod = 0; // sidereal, hours; negative means retrograde
    double DayLength = 0;      // solar day, hours
    double SunDistance = 0;    // mean, millions of km
    double OrbitalPeriod = 0;  // days
    double Obliquity = 0;      // degrees
};

namespace XPModule {

// Public reference data, indexes 1 to 10 (index n is the n-th planet from the
// Sun; index 10 stays empty). Element 0 is unused.
inline std::array<PlanetInfo, 11> Planets{};

void InitPlanetData();

} // namespace XPModule
