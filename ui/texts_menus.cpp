#include "texts.h"

#include <QCoreApplication>

namespace WindowText {

QString MnuPeta()
{
    return QCoreApplication::translate("Menu", "Il sistema solare");
}

QString MnuOggi()
{
    return QCoreApplication::translate("Menu", "Posizioni di oggi");
}

QString MnuTempo()
{
    return QCoreApplication::translate("Menu", "Tempo");
}

QString MnuPausa(bool paused)
{
    return paused ? QCoreApplication::translate("Menu", "Riprendi") : QCoreApplication::translate("Menu", "Pausa");
}

QString MnuIndietro()
{
    return QCoreApplication::translate("Menu", "Indietro nel tempo");
}

QString MnuData()
{
    return QCoreApplication::translate("Menu", "Vai alla data…");
}

QString MnuEventi()
{
    return QCoreApplication::translate("Menu", "Eventi del cielo…");
}

QString MnuAdesso()
{
    return QCoreApplication::translate("Menu", "Adesso");
}

QString MnuVelocita()
{
    return QCoreApplication::translate("Menu", "Velocità del tempo");
}

QString MnuVeloce()
{
    return QCoreApplication::translate("Menu", "Più veloce");
}

QString MnuLento()
{
    return QCoreApplication::translate("Menu", "Più lento");
}

QString MnuStep(CalendarUnit unit, int count)
{
    const bool later = count > 0;
    switch (unit) {
    case CalendarUnit::Day:
        return later ? QCoreApplication::translate("Menu", "Giorno dopo")
                     : QCoreApplication::translate("Menu", "Giorno prima");
    case CalendarUnit::Month:
        return later ? QCoreApplication::translate("Menu", "Mese dopo")
                     : QCoreApplication::translate("Menu", "Mese prima");
    case CalendarUnit::Year:
        return later ? QCoreApplication::translate("Menu", "Anno dopo")
                     : QCoreApplication::translate("Menu", "Anno prima");
    }
    return {};
}

QString MnuVista()
{
    return QCoreApplication::translate("Menu", "Vista");
}

QString MnuSchermo()
{
    return QCoreApplication::translate("Menu", "Schermo intero");
}

QString MnuSalva()
{
    return QCoreApplication::translate("Menu", "Salva immagine…");
}

QString MnuCopia()
{
    return QCoreApplication::translate("Menu", "Copia immagine");
}

QString MnuNomi()
{
    return QCoreApplication::translate("Menu", "Nomi dei corpi");
}

QString MnuOrbite()
{
    return QCoreApplication::translate("Menu", "Orbite vere");
}

QString MnuVistaIniziale()
{
    return QCoreApplication::translate("Menu", "Vista iniziale");
}

} // namespace WindowText
