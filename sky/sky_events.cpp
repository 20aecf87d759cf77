#include "sky_events.h"

#include <cmath>

// Placeholder until the search lands: a full moon every synodic month from a
// known one, reported year by year.
std::optional<std::vector<SkyEvent>> FindSkyEvents(double fromJulianDay, double toJulianDay,
                                                   const SkyEventGroups& groups, const SkyEventProgress& progress)
{
    std::vector<SkyEvent> events;
    const double month = 29.530588;
    double day = 2451550.26 + std::ceil((fromJulianDay - 2451550.26) / month) * month;
    double reported = fromJulianDay;
    for (; day <= toJulianDay; day += month) {
        if (groups[static_cast<std::size_t>(SkyEventGroup::MoonPhases)]) {
            events.push_back({day, SkyEventType::FullMoon});
        }
        if (day - reported > 365 && progress) {
            reported = day;
            if (!progress((day - fromJulianDay) / (toJulianDay - fromJulianDay))) {
                return std::nullopt;
            }
        }
    }
    return events;
}
