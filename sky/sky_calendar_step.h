#pragma once

#include <QDateTime>

#include <cstdint>

enum class CalendarUnit : std::uint8_t { Day, Month, Year };

struct CalendarStep {
    QDateTime moment;         // in UTC, within the span of computable moments
    bool reachedEdge = false; // the step would have left the span and stopped at its edge
};

// `moment` moved by `count` calendar days, months or years in UTC (negative:
// back), at the same time of day. A month or year without that day gives the
// month's last day: 31 January and a month is the last day of February, 29
// February and a year is 28 February.
CalendarStep StepCalendar(const QDateTime& moment, CalendarUnit unit, int count);
