#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// A number with exactly four decimal places, held as a signed 64-bit raw value
// that represents raw / 10000.
struct FixedPoint4 {
    std::int64_t raw = 0;

    static constexpr double kScale = 10000.0;

    static FixedPoint4 FromDouble(double value)
    {
        // Rounds to the nearest raw step; out-of-range or NaN values saturate
        // instead of overflowing.
        const double scaled = std::round(value * kScale);
        if (std::isnan(scaled)) {
            return {0};
        }
        constexpr double kLimit = 9.2e18;
        if (scaled >= kLimit) {
            return {std::numeric_limits<std::int64_t>::max()};
        }
        if (scaled <= -kLimit) {
            return {std::numeric_limits<std::int64_t>::min()};
        }
        return {static_cast<std::int64_t>(scaled)};
    }

    double ToDouble() const { return static_cast<double>(raw) / kScale; }

    friend FixedPoint4 operator-(FixedPoint4 a, FixedPoint4 b) { return {a.raw - b.raw}; }
    friend bool operator==(FixedPoint4 a, FixedPoint4 b) = default;
};
