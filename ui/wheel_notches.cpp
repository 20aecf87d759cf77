#include "wheel_notches.h"

#include <cstdint>

int WheelNotches::Add(int angleDelta)
{
    // Summed in 64 bits: an enormous delta plus the rest must not overflow.
    const std::int64_t total = std::int64_t{Pending} + angleDelta;
    Pending = static_cast<int>(total % kUnitsPerNotch);
    return static_cast<int>(total / kUnitsPerNotch);
}
