#pragma once

#include "sky_rates.h"

#include <cstdint>

// The whole days, minutes or seconds since 1970 (as the sky's date at `rate`
// shows the time) of a moment `unixMilliseconds` after 1970: the date's text
// changes only when this does.
std::int64_t SkyDateTextUnit(std::int64_t unixMilliseconds, SkyRate rate);
