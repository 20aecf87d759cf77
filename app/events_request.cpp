#include "events_request.h"

#include "date_option.h"
#include "texts_app.h"

#include <QRegularExpression>

namespace {

constexpr qint64 kSecondsToDayEnd = 24 * 3600 - 1;

// The moment `value` names, or why it names none.
std::variant<QDateTime, QString> ReadEnd(const QString& value, const QString& name)
{
    return ParseDateOption(value, QStringLiteral("--events %1").arg(name));
}

} // namespace

std::variant<EventsRequest, QString> ReadEventsRequest(const std::optional<QString>& from,
                                                       const std::optional<QString>& to,
                                                       const std::optional<QString>& format)
{
    if (!from) {
        return CommandLineText::FormatWithoutEvents();
    }
    if (!to) {
        return CommandLineText::EventsNeedTwoMoments();
    }
    EventsRequest request;
    if (format && *format == QLatin1String("ics")) {
        request.format = EventsFormat::ICalendar;
    } else if (format && *format != QLatin1String("csv")) {
        return CommandLineText::FormatRefused(*format);
    }
    auto start = ReadEnd(*from, QStringLiteral("FROM"));
    if (const auto* refusal = std::get_if<QString>(&start)) {
        return *refusal;
    }
    request.from = std::get<QDateTime>(start);
    auto end = ReadEnd(*to, QStringLiteral("TO"));
    if (const auto* refusal = std::get_if<QString>(&end)) {
        return *refusal;
    }
    static const QRegularExpression dateOnly(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}$)"));
    request.to = std::get<QDateTime>(end).addSecs(dateOnly.match(*to).hasMatch() ? kSecondsToDayEnd : 0);
    if (request.to <= request.from) {
        return CommandLineText::EventsOutOfOrder(*from, *to);
    }
    return request;
}
