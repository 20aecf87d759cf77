#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <variant>

// The moments whose planet positions the program computes, in UTC, both ends
// included. libnova's narrowest theory bounds them: its series for Pluto
// (Meeus, chapter 37) is documented as not valid outside 1885 to 2099.
QDateTime EarliestSkyMoment(); // 1885-01-01T00:00:00Z
QDateTime LatestSkyMoment();   // 2099-12-31T23:59:59Z
bool IsInSkyRange(const QDateTime& moment);

// Why a value names no moment of that range.
enum class MomentRefusal : std::uint8_t { Missing, NotADate, OutOfRange };

// Reads a moment as the command line gives it: an ISO 8601 date (2026-12-08)
// or date-time (2026-12-08T21:30 or 2026-12-08T21:30:00, optionally ending in
// Z or +hh:mm/-hh:mm; without a zone it is UTC) within the range above.
// Returns the moment in UTC, or why it was refused.
std::variant<QDateTime, MomentRefusal> ReadSkyMoment(const QString& value);
