#include "sky_moment_edit.h"

#include "sky_moment.h"
#include "texts.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>

QDateTimeEdit* MakeSkyMomentEdit(QWidget* parent, const QDateTime& start, const QString& accessibleName)
{
    auto* edit = new QDateTimeEdit(parent);
    edit->setLocale(TextLocale());
    edit->setTimeSpec(Qt::UTC);
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setLocale(TextLocale());
    edit->setDisplayFormat(MomentEditText::DisplayFormat());
    edit->setDateTimeRange(EarliestSkyMoment(), LatestSkyMoment());
    edit->setDateTime(start.toUTC());
    edit->setAccessibleName(accessibleName);
    return edit;
}
