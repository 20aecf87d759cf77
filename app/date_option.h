#pragma once

#include <QDateTime>
#include <QString>

#include <variant>

// Reads a moment given on the command line, as ReadSkyMoment does: an ISO
// 8601 date or date-time within the sky's span. Returns the moment in UTC, or
// one line that says what is wrong and names the accepted form and span,
// which names the value as `option` does.
std::variant<QDateTime, QString> ParseDateOption(const QString& value,
                                                 const QString& option = QStringLiteral("--date"));
