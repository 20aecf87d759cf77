#pragma once

#include "sky_events.h"

#include <QDateTime>
#include <QString>

#include <optional>

class QSettings;

// What "Eventi del cielo…" keeps between runs: the kinds ticked, the
// period's length and the folder of the last export.
struct EventsDialogChoices {
    SkyEventGroups kinds = kAllSkyEventGroups;
    std::optional<qint64> periodSeconds; // none: a year
    QString exportFolder;                // empty: none yet
};

// The choices kept in `settings`; each value missing, of the wrong type or
// out of its range is its default, and nothing is said. No kind ticked is
// read as the default: all of them.
EventsDialogChoices ReadEventsDialogChoices(const QSettings& settings);
void WriteEventsDialogChoices(QSettings& settings, const EventsDialogChoices& choices);

// The end of the period that starts at `from` and lasts `periodSeconds` (a
// year when none), within the span.
QDateTime EndOfPeriod(const QDateTime& from, std::optional<qint64> periodSeconds);
// The length to keep for the period from `from` to `to`: none for a year, the
// default; `kept` when the period is empty or its end stops at the span's end.
std::optional<qint64> PeriodToKeep(const QDateTime& from, const QDateTime& to, std::optional<qint64> kept);
