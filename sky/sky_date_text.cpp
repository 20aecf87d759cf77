#include "sky_date_text.h"

#include <QLocale>

QString SkyDateText(const QDateTime& moment, bool paused, bool backwards, SkyRate rate)
{
    static const QLocale italian(QLocale::Italian);
    const QDateTime utc = moment.toUTC();
    QString text = italian.toString(utc.date(), QStringLiteral("d MMMM yyyy"));
    switch (TimeOfDayAt(rate)) {
    case TimeOfDayShown::None:
        break;
    case TimeOfDayShown::Minutes:
        text += utc.time().toString(QStringLiteral(" HH:mm 'UTC'"));
        break;
    case TimeOfDayShown::Seconds:
        text += utc.time().toString(QStringLiteral(" HH:mm:ss 'UTC'"));
        break;
    }
    if (rate != SkyRate::SpeedBar) {
        text += QStringLiteral(" \u00B7 ") + RateDateText(rate);
    }
    if (paused) {
        text += QStringLiteral(" (in pausa)");
    }
    if (backwards) {
        text += QStringLiteral(" \u25C0");
    }
    return text;
}

std::int64_t SkyDateTextUnit(std::int64_t unixMilliseconds, SkyRate rate)
{
    constexpr std::int64_t kUnits[] = {86'400'000, 60'000, 1'000}; // by TimeOfDayShown
    const std::int64_t unit = kUnits[static_cast<int>(TimeOfDayAt(rate))];
    // Rounded down, before 1970 too.
    return unixMilliseconds / unit - (unixMilliseconds % unit < 0 ? 1 : 0);
}
