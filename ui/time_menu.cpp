#include "time_menu.h"

#include "sky_clock.h"
#include "sky_date_text.h"
#include "texts_sky.h"
#include "texts_window.h"
#include "sky_time.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

struct StepKey {
    QKeyCombination key;
    CalendarUnit unit;
    int count;
};

constexpr StepKey kStepKeys[] = {
    {Qt::Key_Period, CalendarUnit::Day, 1},
    {Qt::Key_Comma, CalendarUnit::Day, -1},
    {Qt::CTRL | Qt::Key_Period, CalendarUnit::Month, 1},
    {Qt::CTRL | Qt::Key_Comma, CalendarUnit::Month, -1},
    {Qt::ALT | Qt::Key_Period, CalendarUnit::Year, 1},
    {Qt::ALT | Qt::Key_Comma, CalendarUnit::Year, -1},
};

} // namespace

TimeMenu::TimeMenu(QMainWindow& window)
{
    mnuTempo = window.menuBar()->addMenu(WindowText::MnuTempo());
    mnupausa = mnuTempo->addAction(WindowText::MnuPausa(false));
    mnupausa->setShortcut(Qt::Key_Space);
    mnuindietro = mnuTempo->addAction(WindowText::MnuIndietro());
    mnuindietro->setShortcut(Qt::Key_J);
    mnuindietro->setCheckable(true);
    mnudata = mnuTempo->addAction(WindowText::MnuData());
    mnudata->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnueventi = mnuTempo->addAction(WindowText::MnuEventi());
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
    mnuadesso = mnuTempo->addAction(WindowText::MnuAdesso());
    mnuadesso->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

    mnuVelocita = mnuTempo->addMenu(WindowText::MnuVelocita());
    auto* choice = new QActionGroup(mnuVelocita);
    for (std::size_t i = 0; i < kSkyRates.size(); ++i) {
        mnurate[i] = mnuVelocita->addAction(RateMenuText(kSkyRates[i]));
        mnurate[i]->setCheckable(true);
        choice->addAction(mnurate[i]);
    }
    QAction* realTime = mnurate[static_cast<std::size_t>(SkyRate::RealTime)];
    realTime->setShortcut(Qt::Key_Backslash);
    mnuVelocita->addSeparator();
    mnuveloce = mnuVelocita->addAction(WindowText::MnuVeloce());
    mnuveloce->setShortcut(Qt::Key_BracketRight);
    mnulento = mnuVelocita->addAction(WindowText::MnuLento());
    mnulento->setShortcut(Qt::Key_BracketLeft);
    window.addActions({mnuadesso, realTime, mnuveloce, mnulento});
    mnurate[static_cast<std::size_t>(SkyRate::SpeedBar)]->setChecked(true);
}

void TimeMenu::CreateSteps(QMainWindow& window)
{
    mnuTempo->addSeparator();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const StepKey& item = kStepKeys[i];
        steps[i] = {mnuTempo->addAction(WindowText::MnuStep(item.unit, item.count)), item.unit, item.count};
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
    // As high as the menu titles, so that its text, centred like theirs,
    // stands on their line and shows its descenders whole: the menu bar
    // would give it only its font's height.
    QMenuBar& bar = *window.menuBar();
    lblData->setFixedHeight(bar.actionGeometry(bar.actions().constFirst()).height());
    lblData->setAccessibleName(WindowText::LblDataName());
    window.menuBar()->setCornerWidget(lblData, Qt::TopRightCorner);
}

void TimeMenu::Show(const SkyTime& time)
{
    // Shown every frame: the caption is translated and set only when it changes.
    if (time.Paused() != PausedShown) {
        PausedShown = time.Paused();
        mnupausa->setText(WindowText::MnuPausa(PausedShown));
    }
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
