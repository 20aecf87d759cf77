#include "texts.h"

#include <QCoreApplication>

#include <array>
#include <cstddef>

namespace {

struct RateWords {
    const char* menu;
    const char* date;
};

// One row per SkyRate, in its order; QT_TRANSLATE_NOOP marks them for translation.
constexpr std::array<RateWords, kSkyRates.size()> kRateWords{{
    {QT_TRANSLATE_NOOP("SkyRate", "Come la barra Velocità"), ""},
    {QT_TRANSLATE_NOOP("SkyRate", "Tempo reale"), QT_TRANSLATE_NOOP("SkyRate", "tempo reale")},
    {QT_TRANSLATE_NOOP("SkyRate", "1 minuto al secondo"), QT_TRANSLATE_NOOP("SkyRate", "1 minuto/s")},
    {QT_TRANSLATE_NOOP("SkyRate", "1 ora al secondo"), QT_TRANSLATE_NOOP("SkyRate", "1 ora/s")},
    {QT_TRANSLATE_NOOP("SkyRate", "1 giorno al secondo"), QT_TRANSLATE_NOOP("SkyRate", "1 giorno/s")},
    {QT_TRANSLATE_NOOP("SkyRate", "1 settimana al secondo"), QT_TRANSLATE_NOOP("SkyRate", "1 settimana/s")},
    {QT_TRANSLATE_NOOP("SkyRate", "1 mese al secondo"), QT_TRANSLATE_NOOP("SkyRate", "1 mese/s")},
    {QT_TRANSLATE_NOOP("SkyRate", "1 anno al secondo"), QT_TRANSLATE_NOOP("SkyRate", "1 anno/s")},
}};

const RateWords& WordsOf(SkyRate rate)
{
    return kRateWords[static_cast<std::size_t>(rate)];
}

} // namespace

QString RateMenuText(SkyRate rate)
{
    return QCoreApplication::translate("SkyRate", WordsOf(rate).menu);
}

QString RateDateText(SkyRate rate)
{
    return rate == SkyRate::SpeedBar ? QString() : QCoreApplication::translate("SkyRate", WordsOf(rate).date);
}

QString SkyDateText(const QDateTime& moment, bool paused, bool backwards, SkyRate rate)
{
    const QDateTime utc = moment.toUTC();
    QString text = TextLocale().toString(utc.date(), QCoreApplication::translate("SkyDate", "d MMMM yyyy"));
    if (const TimeOfDayShown shown = TimeOfDayAt(rate); shown != TimeOfDayShown::None) {
        const QString time = utc.time().toString(shown == TimeOfDayShown::Seconds ? u"HH:mm:ss" : u"HH:mm");
        text = QCoreApplication::translate("SkyDate", "%1 %2 UTC").arg(text, time);
    }
    if (rate != SkyRate::SpeedBar) {
        text = QCoreApplication::translate("SkyDate", "%1 · %2").arg(text, RateDateText(rate));
    }
    if (paused) {
        text = QCoreApplication::translate("SkyDate", "%1 (in pausa)").arg(text);
    }
    if (backwards) {
        text = QCoreApplication::translate("SkyDate", "%1 ◀").arg(text);
    }
    return text;
}
