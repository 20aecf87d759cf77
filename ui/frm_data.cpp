#include "frm_data.h"

#include "sky_moment.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QTimeZone>

FrmData::FrmData(const QDateTime& start, QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Vai alla data"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const QLocale italian(QLocale::Italian);

    txtData = new QDateTimeEdit(this);
    txtData->setLocale(italian);
    txtData->setTimeSpec(Qt::UTC);
    txtData->setCalendarPopup(true);
    txtData->calendarWidget()->setLocale(italian);
    txtData->setDisplayFormat(QStringLiteral("d MMMM yyyy  HH:mm:ss"));
    txtData->setDateTimeRange(EarliestSkyMoment(), LatestSkyMoment());
    txtData->setDateTime(start.toUTC());
    txtData->setAccessibleName(QStringLiteral("Data e ora (UTC)"));

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    Buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Data e ora (UTC):"), txtData);
    layout->addRow(Buttons);
}

QDateTime FrmData::Moment() const
{
    return txtData->dateTime().toUTC();
}
