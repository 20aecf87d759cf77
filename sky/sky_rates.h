#pragma once

#include <array>
#include <cstdint>

// How fast the sky's moment runs: at the speed bar's rate (one year of 365.25
// days per SecondsPerYear seconds, 1.4 days a second or faster for any 8-bit
// value), or at a fixed rate, slowest first.
enum class SkyRate : std::uint8_t { SpeedBar, RealTime, Minute, Hour, Day, Week, Month, Year };

inline constexpr std::array kSkyRates{SkyRate::SpeedBar, SkyRate::RealTime, SkyRate::Minute, SkyRate::Hour,
                                      SkyRate::Day,      SkyRate::Week,     SkyRate::Month,  SkyRate::Year};

// How much of the time of day the date shows at a rate.
enum class TimeOfDayShown : std::uint8_t { None, Minutes, Seconds };

// Seconds of the sky's time per second of frame time.
double SkySecondsPerSecond(SkyRate rate, std::uint8_t secondsPerYear);

// The factor on the frame time that makes the animation, which runs at the
// speed bar's rate, run at `rate`: exactly 1 for the bar's own.
double RateFactor(SkyRate rate, std::uint8_t secondsPerYear);

// ] and [: the slowest fixed rate faster than `rate`, the fastest fixed rate
// slower than it; at the ends of the list, its end.
SkyRate FasterRate(SkyRate rate, std::uint8_t secondsPerYear);
SkyRate SlowerRate(SkyRate rate, std::uint8_t secondsPerYear);

TimeOfDayShown TimeOfDayAt(SkyRate rate);
