#pragma once

#include <QDialog>

class QDateTimeEdit;
class QDialogButtonBox;

// "Vai alla data…": a date and time in UTC, within the span whose planet
// positions the program computes; the editor cannot leave it.
class FrmData final : public QDialog {
    Q_OBJECT

public:
    FrmData(const QDateTime& start, QWidget* owner);

    QDateTime Moment() const;

    QDateTimeEdit* txtData = nullptr;
    QDialogButtonBox* Buttons = nullptr;
};
