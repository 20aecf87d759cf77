#include "sky_moment.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace {

// The moment the text names, or an invalid QDateTime when it is not one.
QDateTime ReadIsoMoment(const QString& text)
{
    static const QRegularExpression iso(QStringLiteral(
        R"(^(\d{4})-(\d{2})-(\d{2})(?:T(\d{2}):(\d{2})(?::(\d{2}))?(Z|([+-])(\d{2}):(\d{2}))?)?$)"));
    const QRegularExpressionMatch match = iso.match(text);
    if (!match.hasMatch()) {
        return {};
    }
    const auto number = [&match](int group) { return match.captured(group).toInt(); };
    const QDate date(number(1), number(2), number(3));
    const QTime time(number(4), number(5), number(6));
    if (!date.isValid() || !time.isValid()) {
        return {};
    }
    int offsetSeconds = 0;
    if (match.hasCaptured(8)) {
        if (number(9) > 23 || number(10) > 59) {
            return {};
        }
        offsetSeconds = (number(9) * 3600 + number(10) * 60) * (match.captured(8) == QLatin1String("-") ? -1 : 1);
    }
    return QDateTime(date, time, QTimeZone(offsetSeconds)).toUTC();
}

} // namespace

QDateTime EarliestSkyMoment()
{
    return QDateTime(QDate(1885, 1, 1), QTime(0, 0, 0), Qt::UTC);
}

QDateTime LatestSkyMoment()
{
    return QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59), Qt::UTC);
}

bool IsInSkyRange(const QDateTime& moment)
{
    return moment.isValid() && moment >= EarliestSkyMoment() && moment <= LatestSkyMoment();
}

std::variant<QDateTime, MomentRefusal> ReadSkyMoment(const QString& value)
{
    if (value.isEmpty()) {
        return MomentRefusal::Missing;
    }
    const QDateTime moment = ReadIsoMoment(value);
    if (!moment.isValid()) {
        return MomentRefusal::NotADate;
    }
    if (!IsInSkyRange(moment)) {
        return MomentRefusal::OutOfRange;
    }
    return moment;
}
