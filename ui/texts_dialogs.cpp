#include "texts.h"

#include <QCoreApplication>

QString MomentEditText::DisplayFormat()
{
    return QCoreApplication::translate("MomentEdit", "d MMMM yyyy  HH:mm:ss");
}

QString MomentEditText::NotADate(const QString& typed, const QString& example)
{
    return QCoreApplication::translate("MomentEdit", "Data non valida: «%1» (si scrive come «%2»).")
        .arg(typed, example);
}

QString MomentEditText::OutOfSpan(const QString& typed, const QString& first, const QString& last)
{
    return QCoreApplication::translate("MomentEdit", "Data fuori dall'intervallo calcolato, dal %2 al %3: «%1».")
        .arg(typed, first, last);
}

namespace DateDialogText {

QString Title()
{
    return QCoreApplication::translate("DateDialog", "Vai alla data");
}

QString EditName()
{
    return QCoreApplication::translate("DateDialog", "Data e ora (UTC)");
}

QString EditLabel()
{
    return QCoreApplication::translate("DateDialog", "Data e ora (UTC):");
}

QString Ok()
{
    return QCoreApplication::translate("DateDialog", "OK");
}

QString Cancel()
{
    return QCoreApplication::translate("DateDialog", "Annulla");
}

} // namespace DateDialogText

namespace PictureDialogText {

QString Title()
{
    return QCoreApplication::translate("PictureDialog", "Il Sole e i pianeti del sistema solare");
}

QString Ok()
{
    return QCoreApplication::translate("PictureDialog", "OK");
}

QString ImageName()
{
    return QCoreApplication::translate("PictureDialog", "Il Sole e i pianeti");
}

} // namespace PictureDialogText

namespace PictureFileText {

QString ProposedName(const QDateTime& moment)
{
    return QCoreApplication::translate("PictureFile", "Il sistema solare %1.png")
        .arg(moment.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
}

QString ProposedSkyName(const QDateTime& moment)
{
    return QCoreApplication::translate("PictureFile", "Il sistema solare %1 UTC.png")
        .arg(moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
}

QString NotPng()
{
    return QCoreApplication::translate("PictureFile", "il nome deve finire in .png");
}

} // namespace PictureFileText
