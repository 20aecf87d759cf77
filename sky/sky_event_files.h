#pragma once

#include "sky_events.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

// The sky's events as files other programs read.

// The words the files hold, in the reader's language.
struct SkyEventWords {
    QString momentHeading; // the CSV's column heads
    QString eventHeading;
    std::function<QString(const SkyEvent&)> eventText;
};

// CSV (RFC 4180): a header row, then one row per event with its moment in
// ISO 8601 UTC to the minute ("2027-01-03T10:02:00Z") and its text; lines end
// in CRLF.
QByteArray SkyEventsCsv(const std::vector<SkyEvent>& events, const SkyEventWords& words);

// iCalendar (RFC 5545), written with libical: one VEVENT per event, with a
// UID that stays the same for the same event, DTSTAMP at `stamp`, DTSTART in
// UTC and the event's text as its SUMMARY.
QByteArray SkyEventsICalendar(const std::vector<SkyEvent>& events, const SkyEventWords& words,
                              const QDateTime& stamp);
