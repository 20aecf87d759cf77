#pragma once

#include "sky_events.h"

#include <QDateTime>
#include <QString>

#include <vector>

// Writes `events` at `path` atomically, as CSV for a name ending in .csv or
// as iCalendar, stamped `stamp`, for one ending in .ics; other names are
// refused. Returns why it failed, or an empty string.
QString SaveSkyEvents(const std::vector<SkyEvent>& events, const QString& path, const QDateTime& stamp);
