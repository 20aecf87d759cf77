#include "time_menu.h"

#include "sky_clock.h"
#include "sky_date_text.h"
#include "sky_time.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

struct StepText {
    const char* text;
    QKeyCombination key;
    CalendarUnit unit;
    int count;
};

constexpr StepText kStepTexts[] = {
    {"Giorno dopo", Qt::Key_Period, CalendarUnit::Day, 1},
    {"Giorno prima", Qt::Key_Comma, CalendarUnit::Day, -1},
    {"Mese dopo", Qt::CTRL | Qt::Key_Period, CalendarUnit::Month, 1},
    {"Mese prima", Qt::CTRL | Qt::Key_Comma, CalendarUnit::Month, -1},
    {"Anno dopo", Qt::ALT | Qt::Key_Period, CalendarUnit::Year, 1},
    {"Anno prima", Qt::ALT | Qt::Key_Comma, CalendarUnit::Year, -1},
};

} // namespace

TimeMenu::TimeMenu(QMainWindow& window)
{
    mnuTempo = window.menuBar()->addMenu(QStringLiteral("Tempo"));
    mnupausa = mnuTempo->addAction(QStringLiteral("Pausa"));
    mnupausa->setShortcut(Qt::Key_Space);
    mnuindietro = mnuTempo->addAction(QStringLiteral("Indietro nel tempo"));
    mnuindietro->setShortcut(Qt::Key_J);
    mnuindietro->setCheckable(true);
    mnudata = mnuTempo->addAction(QStringLiteral("Vai alla data…"));
    mnudata->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnueventi = mnuTempo->addAction(QStringLiteral("Eventi del cielo…"));
    mnueventi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    window.addActions({mnupausa, mnuindietro, mnudata, mnueventi});
    CreateRates(window);
    CreateSteps(window);
    CreateDate(window);
}

// "Adesso", and the submenu of rates with "Più veloce" and "Più lento".
void TimeMenu::CreateRates(QMainWindow& window)
{
    mnuTempo->addSeparator();
    mnuadesso = mnuTempo->addAction(QStringLiteral("Adesso"));
    mnuadesso->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

    mnuVelocita = mnuTempo->addMenu(QStringLiteral("Velocità del tempo"));
    auto* choice = new QActionGroup(mnuVelocita);
    for (std::size_t i = 0; i < kSkyRates.size(); ++i) {
        mnurate[i] = mnuVelocita->addAction(RateMenuText(kSkyRates[i]));
        mnurate[i]->setCheckable(true);
        choice->addAction(mnurate[i]);
    }
    QAction* realTime = mnurate[static_cast<std::size_t>(SkyRate::RealTime)];
    realTime->setShortcut(Qt::Key_Backslash);
    mnuVelocita->addSeparator();
    mnuveloce = mnuVelocita->addAction(QStringLiteral("Più veloce"));
    mnuveloce->setShortcut(Qt::Key_BracketRight);
    mnulento = mnuVelocita->addAction(QStringLiteral("Più lento"));
    mnulento->setShortcut(Qt::Key_BracketLeft);
    window.addActions({mnuadesso, realTime, mnuveloce, mnulento});
    mnurate[static_cast<std::size_t>(SkyRate::SpeedBar)]->setChecked(true);
}

void TimeMenu::CreateSteps(QMainWindow& window)
{
    mnuTempo->addSeparator();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const StepText& item = kStepTexts[i];
        steps[i] = {mnuTempo->addAction(QString::fromUtf8(item.text)), item.unit, item.count};
        steps[i].action->setShortcut(item.key);
        window.addAction(steps[i].action);
    }
}

void TimeMenu::CreateDate(QMainWindow& window)
{
    lblData = new QLabel(window.menuBar());
    lblData->setContentsMargins(0, 0, 8, 0);
    lblData->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // As wide as its longest text, whatever the month and the rate, so that
    // the menu bar never cuts it.
    int dateWidth = 0;
    for (const SkyRate rate : kSkyRates) {
        for (int month = 1; month <= 12; ++month) {
            const QString longest =
                SkyDateText(QDateTime(QDate(2088, month, 28), QTime(23, 58, 58), Qt::UTC), true, true, rate);
            dateWidth = std::max(dateWidth, lblData->fontMetrics().horizontalAdvance(longest));
        }
    }
    lblData->setMinimumWidth(dateWidth + 8);
    lblData->setAccessibleName(QStringLiteral("Data del cielo"));
    window.menuBar()->setCornerWidget(lblData, Qt::TopRightCorner);
}

void TimeMenu::Show(const SkyTime& time)
{
    mnupausa->setText(time.Paused() ? QStringLiteral("Riprendi") : QStringLiteral("Pausa"));
    mnuindietro->setChecked(time.Backwards());
    // Also puts the tick back on a refused choice.
    mnurate[static_cast<std::size_t>(time.Rate())]->setChecked(true);
    if (!time.IsReal()) {
        return;
    }
    const DateShown now{SkyDateTextUnit(UnixMillisecondsOfJulianDay(time.JulianDay()), time.Rate()), time.Rate(),
                        time.Paused(), time.Backwards()};
    if (now == ShownDate) {
        return;
    }
    ShownDate = now;
    lblData->setText(SkyDateText(time.Moment(), now.paused, now.backwards, now.rate));
}
