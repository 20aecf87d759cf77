#pragma once

#include <numbers>

// The units and the epoch the sky's arithmetic is written in, each once.

// The standard epoch J2000.0 as a Julian (ephemeris) day.
inline constexpr double kJ2000 = 2451545.0;
// The Julian year and century, in days.
inline constexpr double kDaysPerJulianYear = 365.25;
inline constexpr double kDaysPerJulianCentury = 36525;
inline constexpr double kSecondsPerDay = 86'400;
// The astronomical unit (IAU 2012), in kilometres.
inline constexpr double kKilometresPerAu = 149597870.7;
// The time light takes to cross an astronomical unit, in days.
inline constexpr double kLightDaysPerAu = 0.0057755183;
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
