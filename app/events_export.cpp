#include "events_export.h"

#include "sky_clock.h"
#include "sky_event_files.h"
#include "sky_events.h"
#include "texts_sky.h"

#include <cstdlib>

int ExportSkyEvents(const EventsRequest& request, std::FILE* out)
{
    const auto events = FindSkyEvents(JulianDayOf(request.from), JulianDayOf(request.to), kAllSkyEventGroups);
    if (!events) {
        return EXIT_FAILURE;
    }
    const QByteArray text = request.format == EventsFormat::ICalendar
                                ? SkyEventsICalendar(*events, SkyEventFileWords(), QDateTime::currentDateTimeUtc())
                                : SkyEventsCsv(*events, SkyEventFileWords());
    const auto size = static_cast<std::size_t>(text.size());
    const bool written = std::fwrite(text.constData(), 1, size, out) == size && std::fflush(out) == 0;
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}
