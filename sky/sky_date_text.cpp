#include "sky_date_text.h"

#include <QLocale>

QString SkyDateText(const QDateTime& moment, bool paused, bool backwards)
{
    static const QLocale italian(QLocale::Italian);
    QString text = italian.toString(moment.toUTC().date(), QStringLiteral("d MMMM yyyy"));
    if (paused) {
        text += QStringLiteral(" (in pausa)");
    }
    if (backwards) {
        text += QStringLiteral(" \u25C0");
    }
    return text;
}
