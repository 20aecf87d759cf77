#include "frm_data.h"

#include "sky_moment_edit.h"
#include "texts_dialogs.h"

#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

FrmData::FrmData(const QDateTime& start, QWidget* owner) : QDialog(owner)
{
    setWindowTitle(DateDialogText::Title());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    txtData = new SkyMomentEdit(this, start, DateDialogText::EditName());

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->button(QDialogButtonBox::Ok)->setText(DateDialogText::Ok());
    Buttons->button(QDialogButtonBox::Cancel)->setText(DateDialogText::Cancel());
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(DateDialogText::EditLabel(), txtData);
    layout->addRow(Buttons);
}

QDateTime FrmData::Moment() const
{
    return txtData->dateTime().toUTC();
}
