#pragma once

#include "planet_catalogue.h"

#include <cstdint>

// Shared view settings: how the scene is looked at. Plain globals, read afresh
// by every frame and written only by the controls between frames.
namespace XPModule {

inline std::int16_t PerspectiveAngle = 0; // degrees, vertical field of view
inline std::uint8_t SecondsPerYear = 0;   // real seconds for one orbit of the Earth
inline double ViewTilt = 0;               // degrees, turn of the scene about X
inline std::int16_t ViewPanX = 0;         // scene units
inline std::int16_t ViewPanY = 0;         // scene units

// The designed view the program starts with.
inline constexpr std::int16_t kStartPerspectiveAngle = 35;
inline constexpr double kStartViewTilt = 25.0;
inline constexpr std::int16_t kStartViewPanX = 0;
inline constexpr std::int16_t kStartViewPanY = 5;

// Gives the five view settings their start values.
void ResetViewSettings();

} // namespace XPModule
