#pragma once

#include <QDateTime>
#include <QString>

class QDateTimeEdit;
class QWidget;

// An editor of a date and time in UTC, in Italian with a calendar popup,
// that cannot leave the span whose planet positions the program computes.
QDateTimeEdit* MakeSkyMomentEdit(QWidget* parent, const QDateTime& start, const QString& accessibleName);
