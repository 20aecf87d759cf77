#pragma once

// Physical figures of the Sun and the Moon, which the planet catalogue lacks:
// standard reference values, each shown as written.
struct SunInfo {
    double Diameter = 0;       // equatorial, km
    double RotationPeriod = 0; // sidereal, hours
};

struct MoonInfo {
    double Diameter = 0;       // equatorial, km
    double EarthDistance = 0;  // mean, km
    double OrbitalPeriod = 0;  // round the Earth, days
    double RotationPeriod = 0; // sidereal, hours
};

namespace XPModule {

inline constexpr SunInfo SunFigures{1391400, 609.1};
inline constexpr MoonInfo MoonFigures{3475, 384400, 27.3, 655.7};

} // namespace XPModule
