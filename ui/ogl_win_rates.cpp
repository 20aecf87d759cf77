// The rates of time, "Adesso" and the calendar steps of the menu "Tempo".

#include "ogl_win.h"
#include "xp_module.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <cstddef>

namespace {

struct StepItem {
    const char* text;
    QKeyCombination key;
    CalendarUnit unit;
    int count;
};

constexpr StepItem kStepItems[] = {
    {"Giorno dopo", Qt::Key_Period, CalendarUnit::Day, 1},
    {"Giorno prima", Qt::Key_Comma, CalendarUnit::Day, -1},
    {"Mese dopo", Qt::CTRL | Qt::Key_Period, CalendarUnit::Month, 1},
    {"Mese prima", Qt::CTRL | Qt::Key_Comma, CalendarUnit::Month, -1},
    {"Anno dopo", Qt::ALT | Qt::Key_Period, CalendarUnit::Year, 1},
    {"Anno prima", Qt::ALT | Qt::Key_Comma, CalendarUnit::Year, -1},
};

} // namespace

// Builds and connects the items that follow "Vai alla data…": "Adesso", the
// submenu of rates with "Più veloce" and "Più lento", and the steps. Their
// shortcuts belong to the window too, for full screen.
void OGLWin::CreateTimeRateMenu()
{
    mnuTempo->addSeparator();
    mnuadesso = mnuTempo->addAction(QStringLiteral("Adesso"));
    mnuadesso->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(mnuadesso, &QAction::triggered, this, &OGLWin::mnuadesso_Click);

    mnuVelocita = mnuTempo->addMenu(QStringLiteral("Velocità del tempo"));
    auto* choice = new QActionGroup(mnuVelocita);
    for (std::size_t i = 0; i < kSkyRates.size(); ++i) {
        const SkyRate rate = kSkyRates[i];
        mnurate[i] = mnuVelocita->addAction(RateMenuText(rate));
        mnurate[i]->setCheckable(true);
        choice->addAction(mnurate[i]);
        connect(mnurate[i], &QAction::triggered, this, [this, rate] { ChooseRate(rate); });
    }
    mnurate[static_cast<std::size_t>(SkyRate::RealTime)]->setShortcut(Qt::Key_Backslash);
    mnuVelocita->addSeparator();
    mnuveloce = mnuVelocita->addAction(QStringLiteral("Più veloce"));
    mnuveloce->setShortcut(Qt::Key_BracketRight);
    connect(mnuveloce, &QAction::triggered, this,
            [this] { ChooseRate(FasterRate(Rate, XPModule::SecondsPerYear)); });
    mnulento = mnuVelocita->addAction(QStringLiteral("Più lento"));
    mnulento->setShortcut(Qt::Key_BracketLeft);
    connect(mnulento, &QAction::triggered, this, [this] { ChooseRate(SlowerRate(Rate, XPModule::SecondsPerYear)); });
    addActions({mnuadesso, mnurate[static_cast<std::size_t>(SkyRate::RealTime)], mnuveloce, mnulento});
    ShowRate();

    mnuTempo->addSeparator();
    for (const StepItem& item : kStepItems) {
        QAction* step = mnuTempo->addAction(QString::fromUtf8(item.text));
        step->setShortcut(item.key);
        connect(step, &QAction::triggered, this, [this, item] { StepSky(item.unit, item.count); });
        addAction(step);
    }
}

void OGLWin::ShowRate()
{
    mnurate[static_cast<std::size_t>(Rate)]->setChecked(true);
}

void OGLWin::ChooseRate(SkyRate rate)
{
    if (rate != Rate && (rate == SkyRate::SpeedBar || Sky.IsSet() || MakeSkyRealNow())) {
        Rate = rate;
        TimeFactor = RateFactor(rate, XPModule::SecondsPerYear);
        FollowingClock = false;
        ShowSkyDate();
    }
    ShowRate(); // also puts the check back on a refused choice
}

// Now, forwards, running, in real time; every frame then takes the system
// clock's moment, so that a step of the clock shows at once.
void OGLWin::mnuadesso_Click()
{
    if (!MakeSkyRealNow()) {
        return;
    }
    ChooseRate(SkyRate::RealTime);
    mnuindietro->setChecked(false);
    SetTimePaused(false);
    FollowingClock = true;
    ShowSkyDate();
}

// The moment of this frame; true when it reached an edge of the span.
bool OGLWin::MoveSkyMoment(double step)
{
    if (FollowingClock) {
        return !Sky.SetMoment(SystemClock());
    }
    return Sky.Advance(step, XPModule::SecondsPerYear);
}

// From now when the sky is not real yet; running or paused as it was.
void OGLWin::StepSky(CalendarUnit unit, int count)
{
    if (!Sky.IsSet() && !MakeSkyRealNow()) {
        return;
    }
    const CalendarStep step = StepCalendar(Sky.Moment(), unit, count);
    SetSkyMoment(step.moment);
    if (step.reachedEdge) {
        StopTimeAtEdge();
    }
}
