#pragma once

#include "sky_calendar_step.h"
#include "sky_rates.h"

#include <array>
#include <cstdint>
#include <limits>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class SkyTime;

// The menu "Tempo" and the sky's date at the right of the menu bar. Every
// shortcut belongs to the window too, so that it works in full screen.
class TimeMenu {
public:
    // A calendar step and its item.
    struct StepItem {
        QAction* action = nullptr;
        CalendarUnit unit = CalendarUnit::Day;
        int count = 0;
    };

    explicit TimeMenu(QMainWindow& window);

    // Shows the state of the sky's time: the pause item's caption, the
    // backwards item's tick, the rate's tick and the date. The date's text is
    // written only when what it says changes.
    void Show(const SkyTime& time);

    QMenu* mnuTempo = nullptr;
    QAction* mnupausa = nullptr;    // "Pausa" / "Riprendi", Space
    QAction* mnuindietro = nullptr; // "Indietro nel tempo", J, a toggle
    QAction* mnudata = nullptr;     // "Vai alla data…", Ctrl+G
    QAction* mnueventi = nullptr;   // "Eventi del cielo…", Ctrl+E
    QAction* mnuadesso = nullptr;   // "Adesso", Ctrl+N
    QMenu* mnuVelocita = nullptr;   // "Velocità del tempo", one rate checked
    std::array<QAction*, kSkyRates.size()> mnurate{}; // in the order of kSkyRates
    QAction* mnuveloce = nullptr;   // "Più veloce", ]
    QAction* mnulento = nullptr;    // "Più lento", [
    std::array<StepItem, 6> steps{}; // a day, a month and a year on and back
    QLabel* lblData = nullptr;      // empty until the sky is real

private:
    void CreateRates(QMainWindow& window);
    void CreateSteps(QMainWindow& window);
    void CreateDate(QMainWindow& window);

    // What lblData says: the day, minute or second (SkyDateTextUnit), the
    // rate, and whether time is paused and runs backwards.
    struct DateShown {
        std::int64_t unit = std::numeric_limits<std::int64_t>::min(); // none yet
        SkyRate rate = SkyRate::SpeedBar;
        bool paused = false;
        bool backwards = false;
        bool operator==(const DateShown&) const = default;
    };
    DateShown ShownDate;
    bool PausedShown = false; // the pause item says "Riprendi"
};
