#include "texts_help.h"

#include "texts.h"
#include "view_keys.h"

#include <QCoreApplication>

namespace HelpText {

QString MnuAiuto()
{
    return QCoreApplication::translate("Help", "Aiuto");
}

QString MnuTasti()
{
    return QCoreApplication::translate("Help", "Tasti e comandi");
}

QString MnuInformazioni()
{
    return QCoreApplication::translate("Help", "Informazioni");
}

QString KeyColumn()
{
    return QCoreApplication::translate("Help", "Tasto o mouse");
}

QString ActionColumn()
{
    return QCoreApplication::translate("Help", "Che cosa fa");
}

QString CommandText(ViewCommand command, std::uint8_t body)
{
    switch (command) {
    case ViewCommand::PanDown:
        return WindowText::CmdUP().description;
    case ViewCommand::PanUp:
        return WindowText::CmdDown().description;
    case ViewCommand::PanLeft:
        return WindowText::CmdLeft().description;
    case ViewCommand::PanRight:
        return WindowText::CmdRight().description;
    case ViewCommand::TiltUp:
        return WindowText::CmdRotasiUp().description;
    case ViewCommand::TiltDown:
        return WindowText::CmdRotasiDown().description;
    case ViewCommand::ZoomIn:
        return QCoreApplication::translate("Help", "Ingrandisce (Zoom)");
    case ViewCommand::ZoomOut:
        return QCoreApplication::translate("Help", "Rimpicciolisce (Zoom)");
    case ViewCommand::Faster:
        return QCoreApplication::translate("Help", "Accelera (Velocità)");
    case ViewCommand::Slower:
        return QCoreApplication::translate("Help", "Rallenta (Velocità)");
    case ViewCommand::Choose:
        return QCoreApplication::translate("Help", "Sceglie %1").arg(BodyName(body));
    case ViewCommand::Follow:
        return QCoreApplication::translate("Help", "Segue il corpo scelto");
    case ViewCommand::Home:
        return WindowText::MnuVistaIniziale();
    case ViewCommand::Release:
        return QCoreApplication::translate("Help", "Lascia il corpo scelto; in schermo intero, ne esce");
    case ViewCommand::TurnLeft:
        return QCoreApplication::translate("Help", "Ruota la scena verso sinistra");
    case ViewCommand::TurnRight:
        return QCoreApplication::translate("Help", "Ruota la scena verso destra");
    }
    return {};
}

QString MenuItem(const QString& menu, const QString& item)
{
    return QCoreApplication::translate("Help", "%1: %2").arg(menu, item);
}

MouseRow PointAtBody()
{
    return {QCoreApplication::translate("Help", "Puntare un corpo"),
            QCoreApplication::translate("Help", "Lo ferma sulla sua orbita e ne mostra la scheda")};
}

MouseRow DragView()
{
    return {QCoreApplication::translate("Help", "Trascinare con il tasto sinistro"),
            QCoreApplication::translate("Help", "Ruota e inclina la vista")};
}

MouseRow DoubleClickBody()
{
    return {QCoreApplication::translate("Help", "Doppio clic su un corpo"),
            QCoreApplication::translate("Help", "Lo segue al centro della vista")};
}

MouseRow DoubleClickSky()
{
    return {QCoreApplication::translate("Help", "Doppio clic sul cielo"),
            QCoreApplication::translate("Help", "Torna alla vista iniziale")};
}

MouseRow Wheel()
{
    return {QCoreApplication::translate("Help", "Rotella"),
            QCoreApplication::translate("Help", "Ingrandisce o rimpicciolisce (Zoom)")};
}

QString About(const QString& version)
{
    return QCoreApplication::translate(
               "Help",
               "<h3>Il sistema solare %1</h3>"
               "<p>Il Sole, i pianeti e la Luna in 3-D, in tempo reale o al momento che si sceglie.</p>"
               "<p><b>Posizioni</b>: libnova (teoria VSOP87 per i pianeti, ELP 2000-82B per la Luna), "
               "licenza GNU LGPL 2 o successiva. Poli e rotazioni: rapporto 2009 del gruppo di lavoro "
               "IAU sulle coordinate cartografiche e gli elementi di rotazione. Lune dei pianeti: J. Meeus, "
               "<i>Astronomical Algorithms</i>, capitoli 44 e 46, ed elementi orbitali medi del JPL.</p>"
               "<p><b>Stelle e costellazioni</b>: Bright Star Catalogue, 5ª edizione riveduta, e figure "
               "delle costellazioni, dai dati di xplanet, licenza GNU GPL 2 o successiva.</p>"
               "<p><b>Immagini</b> dei pianeti, della Luna e della Via Lattea: OpenUniverse, licenza GNU GPL "
               "2 o successiva. La superficie del Sole è disegnata dal programma.</p>")
        .arg(version);
}

QString FullScreenHint()
{
    return QCoreApplication::translate("Help", "F11 o Esc per tornare alla finestra");
}

} // namespace HelpText
