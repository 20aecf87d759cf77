#include "sky_event_files.h"

#include "sky_clock.h"

#include <libical/ical.h>

#include <cstdint>
#include <ctime>
#include <memory>

namespace {

constexpr std::int64_t kMillisecondsPerMinute = 60'000;

// The event's moment to the nearest minute, half a minute rounding up:
// 10:02:29.9 is 10:02, 10:02:30 is 10:03.
QDateTime MinuteOf(const SkyEvent& event)
{
    const std::int64_t milliseconds = UnixMillisecondsOfJulianDay(event.julianDay) + kMillisecondsPerMinute / 2;
    // Floor division: moments before 1970 are negative.
    std::int64_t minutes = milliseconds / kMillisecondsPerMinute;
    if (milliseconds % kMillisecondsPerMinute < 0) {
        --minutes;
    }
    return QDateTime::fromMSecsSinceEpoch(minutes * kMillisecondsPerMinute, Qt::UTC);
}

// One CSV field (RFC 4180): quoted when it holds a comma, a quote or a line
// break, with its quotes doubled.
QByteArray CsvField(const QString& text)
{
    QByteArray field = text.toUtf8();
    if (field.contains(',') || field.contains('"') || field.contains('\n') || field.contains('\r')) {
        field.replace('"', "\"\"");
        field.prepend('"').append('"');
    }
    return field;
}

// libical's objects, freed with their owners' functions.
struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct BufferFree {
    void operator()(char* buffer) const { icalmemory_free_buffer(buffer); }
};
using Buffer = std::unique_ptr<char, BufferFree>;

icaltimetype IcalUtcTime(const QDateTime& moment)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(moment.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

// The same for the same event: its kind, its bodies and its minute.
QByteArray UidOf(const SkyEvent& event, const QDateTime& minute)
{
    return QStringLiteral("%1-%2-%3-%4@solar-system")
        .arg(static_cast<int>(event.type))
        .arg(static_cast<int>(event.body))
        .arg(static_cast<int>(event.other))
        .arg(minute.toString(QStringLiteral("yyyyMMdd'T'HHmm'Z'")))
        .toUtf8();
}

// One VEVENT. An event is an instant given to the minute, so it spans that
// minute: DTEND rather than DURATION, which some calendar programs ignore,
// and DTEND must come after DTSTART. It is marked transparent so that it
// never shows its owner as busy.
Component EventComponent(const SkyEvent& event, const QString& text, const icaltimetype& stamp)
{
    const QDateTime minute = MinuteOf(event);
    Component component(icalcomponent_new_vevent());
    icalcomponent* vevent = component.get();
    icalcomponent_add_property(vevent, icalproperty_new_uid(UidOf(event, minute).constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(IcalUtcTime(minute)));
    icalcomponent_add_property(vevent, icalproperty_new_dtend(IcalUtcTime(minute.addSecs(60))));
    icalcomponent_add_property(vevent, icalproperty_new_summary(text.toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return component;
}

} // namespace

QByteArray SkyEventsCsv(const std::vector<SkyEvent>& events, const SkyEventWords& words)
{
    QByteArray csv = CsvField(words.momentHeading) + ',' + CsvField(words.eventHeading) + "\r\n";
    for (const SkyEvent& event : events) {
        csv += CsvField(MinuteOf(event).toString(Qt::ISODate)) + ',' + CsvField(words.eventText(event)) + "\r\n";
    }
    return csv;
}

QByteArray SkyEventsICalendar(const std::vector<SkyEvent>& events, const SkyEventWords& words,
                              const QDateTime& stamp)
{
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Il sistema solare//Eventi del cielo//IT"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    const icaltimetype stampTime = IcalUtcTime(stamp.toUTC());
    for (const SkyEvent& event : events) {
        // The calendar owns what is added to it.
        icalcomponent_add_component(calendar.get(), EventComponent(event, words.eventText(event), stampTime).release());
    }
    // libical writes CRLF line ends and folds lines at 75 octets without
    // splitting a UTF-8 character; it escapes commas and semicolons.
    const Buffer text(icalcomponent_as_ical_string_r(calendar.get()));
    return text ? QByteArray(text.get()) : QByteArray();
}
