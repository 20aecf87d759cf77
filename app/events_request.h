#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

// A list of the sky's events asked for on the command line (--events FROM
// TO [--format csv|ics]), printed instead of opening the window.
enum class EventsFormat { Csv, ICalendar };

struct EventsRequest {
    QDateTime from; // UTC, both ends within the sky's span
    QDateTime to;
    EventsFormat format = EventsFormat::Csv;
};

// Reads the values as given; an absent one is empty. A TO without a time of
// day is the end of that day (23:59:59 UTC). Returns the request, or one line
// that says what is wrong.
std::variant<EventsRequest, QString> ReadEventsRequest(const std::optional<QString>& from,
                                                       const std::optional<QString>& to,
                                                       const std::optional<QString>& format);
