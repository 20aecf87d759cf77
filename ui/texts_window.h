#pragma once

#include "sky_calendar_step.h"

#include <QDateTime>
#include <QString>

// The words of the main window: its title, the captions of its controls and
// menus, their accessible names and descriptions, and its messages. Named
// after the control that shows them.
namespace WindowText {

// The window's title, which the message boxes carry too.
QString Title();

// A picture button's accessible name and description.
struct ButtonWords {
    QString name;
    QString description;
};
ButtonWords CmdUP();   // "Giù"
ButtonWords CmdDown(); // "Su"
ButtonWords CmdLeft();
ButtonWords CmdRight();
ButtonWords CmdRotasiUp();
ButtonWords CmdRotasiDown();

QString ChkPath();     // "Visualizza le orbite"
QString ChkCam();      // "Spinning"
QString Label1();      // "Zoom", also HScroll's accessible name
QString Label2();      // "Quadro"
QString Label3();      // "Prospettiva"
QString Label4();      // "Velocità", also HSpeed's accessible name
QString LblRotaSi();   // "Label2", the hidden label's caption
QString HScrollDescription();
QString HSpeedDescription();
QString ViewName();    // glView1Container's accessible name
QString ViewDescription();
QString LblDataName(); // "Data del cielo"

// The menu bar.
QString MnuPeta();             // "Il sistema solare"
QString MnuOggi();
QString MnuTempo();
QString MnuPausa(bool paused); // "Pausa", "Riprendi" while paused
QString MnuIndietro();
QString MnuData();             // "Vai alla data…"
QString MnuEventi();           // "Eventi del cielo…"
QString MnuAdesso();
QString MnuVelocita();         // "Velocità del tempo"; its rates are RateMenuText's
QString MnuVeloce();
QString MnuLento();
// "Giorno dopo", "Mese prima"...: a step of `count` (1 or -1) of `unit`.
QString MnuStep(CalendarUnit unit, int count);
QString MnuVista();
QString MnuSchermo();
QString MnuSalva();         // "Salva immagine…"
QString MnuCopia();
QString MnuNomi();
QString MnuOrbite();
QString MnuVistaIniziale(); // mnuvista

// Messages.
QString ClockOutsideSpan(const QDateTime& now);     // "L'orologio di sistema segna %1: ..."
QString TimeStoppedAtEdge(const QDateTime& moment); // "Il tempo si è fermato al %1: ..."
QString FrameUnreadable();                          // "Non è stato possibile leggere l'immagine della vista."
QString SavePictureTitle();                         // "Salva immagine"
QString PngFilter();                                // "Immagini PNG (*.png)"
QString PictureNotSaved(const QString& path, const QString& reason);

} // namespace WindowText
