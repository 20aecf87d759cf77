#include "sky_date_text.h"

std::int64_t SkyDateTextUnit(std::int64_t unixMilliseconds, SkyRate rate)
{
    constexpr std::int64_t kUnits[] = {86'400'000, 60'000, 1'000}; // by TimeOfDayShown
    const std::int64_t unit = kUnits[static_cast<int>(TimeOfDayAt(rate))];
    // Rounded down, before 1970 too.
    return unixMilliseconds / unit - (unixMilliseconds % unit < 0 ? 1 : 0);
}
