#include "events_bench.h"

#include "sky_clock.h"
#include "sky_events.h"
#include "sky_moment.h"
#include "timing.h"

#include <QDate>
#include <QTimeZone>

namespace {

constexpr int kYearSearches = 5;

double JulianDayOfDate(int year, int month, int day)
{
    return JulianDayOf(QDateTime(QDate(year, month, day), QTime(0, 0), QTimeZone::utc()));
}

} // namespace

EventSearchTimes MeasureEventSearch()
{
    EventSearchTimes times;
    const double from = JulianDayOfDate(2027, 1, 1);
    const double to = JulianDayOfDate(2028, 1, 1);
    std::vector<double> yearSeconds;
    for (int run = 0; run < kYearSearches; ++run) {
        yearSeconds.push_back(SecondsFor([&] { times.yearEvents = FindSkyEvents(from, to, kAllSkyEventGroups)->size(); }));
    }
    times.year = Median(yearSeconds);
    const double first = JulianDayOf(EarliestSkyMoment());
    const double last = JulianDayOf(LatestSkyMoment());
    times.spanYears = (last - first) / 365.25;
    times.span = SecondsFor([&] { times.spanEvents = FindSkyEvents(first, last, kAllSkyEventGroups)->size(); });
    return times;
}
