#include "sky_calendar_step.h"

#include "sky_moment.h"

CalendarStep StepCalendar(const QDateTime& moment, CalendarUnit unit, int count)
{
    const QDateTime utc = moment.toUTC();
    QDateTime wanted;
    switch (unit) {
    case CalendarUnit::Day:
        wanted = utc.addDays(count);
        break;
    case CalendarUnit::Month:
        wanted = utc.addMonths(count);
        break;
    case CalendarUnit::Year:
        wanted = utc.addYears(count);
        break;
    }
    if (wanted < EarliestSkyMoment()) {
        return {EarliestSkyMoment(), true};
    }
    if (wanted > LatestSkyMoment()) {
        return {LatestSkyMoment(), true};
    }
    return {wanted, false};
}
