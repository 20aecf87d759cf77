#pragma once

#include "sky_rates.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

// What the window says of the sky's moment: the day in Italian ("8 dicembre
// 2026"), at a day a second and slower the time of day in UTC ("23:15 UTC",
// with seconds at an hour a second and slower), the rate where it is not the
// bar's (" · 1 giorno/s"), then " (in pausa)" while time is stopped and " ◀"
// while it is set to run backwards.
QString SkyDateText(const QDateTime& moment, bool paused, bool backwards, SkyRate rate = SkyRate::SpeedBar);

// The whole days, minutes or seconds since 1970 (as the text at `rate` shows
// the time) of a moment `unixMilliseconds` after 1970: the text of the moment
// changes only when this does.
std::int64_t SkyDateTextUnit(std::int64_t unixMilliseconds, SkyRate rate);
