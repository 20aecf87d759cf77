#include "texts.h"

#include "sky_moment.h"

#include <QCoreApplication>

namespace WindowText {

QString Title()
{
    return QCoreApplication::translate("Window", "Il sistema solare");
}

ButtonWords CmdUP()
{
    return {QCoreApplication::translate("Window", "Giù"),
            QCoreApplication::translate("Window", "Sposta il quadro in basso")};
}

ButtonWords CmdDown()
{
    return {QCoreApplication::translate("Window", "Su"),
            QCoreApplication::translate("Window", "Sposta il quadro in alto")};
}

ButtonWords CmdLeft()
{
    return {QCoreApplication::translate("Window", "Sinistra"),
            QCoreApplication::translate("Window", "Sposta il quadro a sinistra")};
}

ButtonWords CmdRight()
{
    return {QCoreApplication::translate("Window", "Destra"),
            QCoreApplication::translate("Window", "Sposta il quadro a destra")};
}

ButtonWords CmdRotasiUp()
{
    return {QCoreApplication::translate("Window", "Inclina su"),
            QCoreApplication::translate("Window", "Inclina il quadro verso l'alto")};
}

ButtonWords CmdRotasiDown()
{
    return {QCoreApplication::translate("Window", "Inclina giù"),
            QCoreApplication::translate("Window", "Inclina il quadro verso il basso")};
}

QString ChkPath()
{
    return QCoreApplication::translate("Window", "Visualizza le orbite");
}

QString ChkCam()
{
    return QCoreApplication::translate("Window", "Spinning");
}

QString Label1()
{
    return QCoreApplication::translate("Window", "Zoom");
}

QString Label2()
{
    return QCoreApplication::translate("Window", "Quadro");
}

QString Label3()
{
    return QCoreApplication::translate("Window", "Prospettiva");
}

QString Label4()
{
    return QCoreApplication::translate("Window", "Velocità");
}

QString LblRotaSi()
{
    return QCoreApplication::translate("Window", "Label2");
}

QString HScrollDescription()
{
    return QCoreApplication::translate("Window", "Angolo della prospettiva: più stretto ingrandisce");
}

QString HSpeedDescription()
{
    return QCoreApplication::translate("Window", "Velocità dell'animazione");
}

QString ViewName()
{
    return QCoreApplication::translate("Window", "Vista del sistema solare");
}

QString ViewDescription()
{
    return QCoreApplication::translate(
        "Window", "Puntare un corpo lo seleziona; trascinare con il tasto sinistro ruota e inclina la vista; "
                  "un doppio clic su un corpo lo segue, sul cielo vuoto torna alla vista iniziale; "
                  "la rotella del mouse cambia lo zoom");
}

QString LblDataName()
{
    return QCoreApplication::translate("Window", "Data del cielo");
}

QString ClockOutsideSpan(const QDateTime& now)
{
    return QCoreApplication::translate("Window", "L'orologio di sistema segna %1: le posizioni dei pianeti si "
                                                 "calcolano solo da %2 a %3.")
        .arg(now.toUTC().toString(Qt::ISODate), EarliestSkyMoment().toString(Qt::ISODate),
             LatestSkyMoment().toString(Qt::ISODate));
}

QString TimeStoppedAtEdge(const QDateTime& moment)
{
    return QCoreApplication::translate("Window", "Il tempo si è fermato al %1: le posizioni dei pianeti si "
                                                 "calcolano solo da %2 a %3.")
        .arg(moment.toUTC().toString(Qt::ISODate), EarliestSkyMoment().toString(Qt::ISODate),
             LatestSkyMoment().toString(Qt::ISODate));
}

QString FrameUnreadable()
{
    return QCoreApplication::translate("Window", "Non è stato possibile leggere l'immagine della vista.");
}

QString SavePictureTitle()
{
    return QCoreApplication::translate("Window", "Salva immagine");
}

QString PngFilter()
{
    return QCoreApplication::translate("Window", "Immagini PNG (*.png)");
}

QString PictureNotSaved(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Window", "Non è stato possibile salvare l'immagine \"%1\": %2.")
        .arg(path, reason);
}

} // namespace WindowText
