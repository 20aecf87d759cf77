#include "frm_data.h"

#include "sky_moment_edit.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

FrmData::FrmData(const QDateTime& start, QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Vai alla data"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtData = MakeSkyMomentEdit(this, start, QStringLiteral("Data e ora (UTC)"));

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
