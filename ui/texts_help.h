#pragma once

#include <QString>

#include <cstdint>

enum class ViewCommand : std::uint8_t;

// The words of the menu "Aiuto", its table of keys and its window of
// information, and the hint shown on entering full screen.
namespace HelpText {

QString MnuAiuto();
QString MnuTasti();        // "Tasti e comandi", also the table's title
QString MnuInformazioni(); // also the information window's title
QString KeyColumn();       // "Tasto o mouse"
QString ActionColumn();    // "Che cosa fa"
// What a key of the view does; `body` names the body of "Choose".
QString CommandText(ViewCommand command, std::uint8_t body);
// A menu item's key: "Vista: Schermo intero".
QString MenuItem(const QString& menu, const QString& item);

// The mouse over the view, as pairs of what is done and what it does.
struct MouseRow {
    QString gesture;
    QString action;
};
MouseRow PointAtBody();
MouseRow DragView();
MouseRow DoubleClickBody();
MouseRow DoubleClickSky();
MouseRow Wheel();

// The information window: the program and its version, then where its
// theories and pictures come from, with their licences (rich text).
QString About(const QString& version);

QString FullScreenHint(); // "F11 o Esc per tornare alla finestra"

} // namespace HelpText
