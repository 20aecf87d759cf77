#include "events_request.h"

#include "sky_moment.h"

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
        return QStringLiteral("--format goes with --events");
    }
    if (!to) {
        return QStringLiteral("--events takes two moments, FROM and TO, as in '--events 2027-01-01 2027-12-31'");
    }
    EventsRequest request;
    if (format && *format == QLatin1String("ics")) {
        request.format = EventsFormat::ICalendar;
    } else if (format && *format != QLatin1String("csv")) {
        return QStringLiteral("--format takes csv or ics, not '%1'").arg(*format);
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
        return QStringLiteral("--events needs a TO later than its FROM, not '%1' to '%2'").arg(*from, *to);
    }
    return request;
}
