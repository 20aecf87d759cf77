#pragma once

// The radii that make the shadows of eclipses (IAU nominal values), in
// kilometres, and how much the Earth's atmosphere widens its shadow.
inline constexpr double kEarthRadiusKm = 6378.137; // equatorial
inline constexpr double kSunRadiusKm = 696000;
inline constexpr double kMoonRadiusKm = 1737.4;
// Danjon's rule: the Earth's shadow is that of a globe a 85th larger.
inline constexpr double kEarthShadowEnlargement = 1 + 1.0 / 85;
