#pragma once

#include <QDateTime>
#include <QString>

#include <variant>

// The moments whose planet positions the program computes, in UTC, both ends
// included. libnova's narrowest theory bounds them: its series for Pluto
// (Meeus, chapter 37) is documented as not valid outside 1885 to 2099.
QDateTime EarliestSkyMoment(); // 1885-01-01T00:00:00Z
QDateTime LatestSkyMoment();   // 2099-12-31T23:59:59Z
bool IsInSkyRange(const QDateTime& moment);

// "1885-01-01T00:00:00Z to 2099-12-31T23:59:59Z", for help and messages.
QString SkyRangeText();

// Reads the value of the start option --date: an ISO 8601 date (2026-12-08)
// or date-time (2026-12-08T21:30 or 2026-12-08T21:30:00, optionally ending in
// Z or +hh:mm/-hh:mm; without a zone it is UTC) within the range above.
// Returns the moment in UTC, or one line that says what is wrong and names
// the accepted form and range, which names the value as `option` does.
std::variant<QDateTime, QString> ParseDateOption(const QString& value,
                                                 const QString& option = QStringLiteral("--date"));
