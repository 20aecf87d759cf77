#include "texts.h"

#include <QCoreApplication>

QString MomentEditText::DisplayFormat()
{
    return QCoreApplication::translate("MomentEdit", "d MMMM yyyy  HH:mm:ss");
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
