#include "sky_moment_edit.h"

#include "sky_moment.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>

QDateTimeEdit* MakeSkyMomentEdit(QWidget* parent, const QDateTime& start, const QString& accessibleName)
{
    const QLocale italian(QLocale::Italian);
    auto* edit = new QDateTimeEdit(parent);
    edit->setLocale(italian);
    edit->setTimeSpec(Qt::UTC);
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setLocale(italian);
    edit->setDisplayFormat(QStringLiteral("d MMMM yyyy  HH:mm:ss"));
    edit->setDateTimeRange(EarliestSkyMoment(), LatestSkyMoment());
    edit->setDateTime(start.toUTC());
    edit->setAccessibleName(accessibleName);
    return edit;
}
