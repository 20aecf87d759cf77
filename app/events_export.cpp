#include "events_export.h"

#include "sky_clock.h"
#include "sky_event_files.h"
#include "sky_events.h"
#include "texts_app.h"
#include "texts_sky.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

int ExportSkyEvents(const EventsRequest& request, std::FILE* out)
{
    // With no progress to answer, the search is never cancelled.
    const std::vector<SkyEvent> events =
        FindSkyEvents(JulianDayOf(request.from), JulianDayOf(request.to), kAllSkyEventGroups).value();
    const QByteArray text = request.format == EventsFormat::ICalendar
                                ? SkyEventsICalendar(events, SkyEventFileWords(), QDateTime::currentDateTimeUtc())
                                : SkyEventsCsv(events, SkyEventFileWords());
    const auto size = static_cast<std::size_t>(text.size());
    errno = 0;
    // What the stream still holds is written on closing it, so the close's
    // answer counts too.
    const bool written = std::fwrite(text.constData(), 1, size, out) == size && std::fflush(out) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(out) == 0;
    if (written && closed) {
        return EXIT_SUCCESS;
    }
    const int error = written ? errno : writeError;
    // A reader that went away, or no output at all, asked for nothing more.
    if (error != EPIPE && error != EBADF) {
        std::fputs(qPrintable(MessageText::EventsNotWritten(QString::fromLocal8Bit(std::strerror(error)))), stderr);
    }
    return EXIT_FAILURE;
}
