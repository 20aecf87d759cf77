// The sky's clock and the time controls: the menu "Tempo", the date at the
// right of the menu bar, the dialog of "Vai alla data…".

#include "frm_data.h"
#include "info_card.h"
#include "message_box.h"
#include "ogl_win.h"
#include "sky_date_text.h"
#include "sky_moment.h"
#include "sky_placement.h"
#include "xp_module.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>

using namespace OGLModule;

bool OGLWin::SetSkyMoment(const QDateTime& moment)
{
    if (!Sky.SetMoment(moment)) {
        return false;
    }
    PlaceSkyBodies();
    ShowSkyDate();
    FollowingClock = false;
    return true;
}

// The planets' longitudes on their circles, the Moon where it is and, with
// "Orbite vere", each body at its true place with its axis leaning.
void OGLWin::PlaceSkyBodies()
{
    SetOrbitAngles(*this, Track.At(Sky.JulianDay()));
    PlaceBodiesInTheSky(*this, Track, Sky.JulianDay(), mnuorbite->isChecked());
}

// Turned on before the sky is real, it makes the sky real at the system
// clock's moment first, as "Posizioni di oggi" does; where that cannot be,
// it stays off.
void OGLWin::mnuorbite_Click()
{
    if (mnuorbite->isChecked() && !Sky.IsSet()) {
        mnuoggi_Click();
        if (!Sky.IsSet()) {
            mnuorbite->setChecked(false);
            return;
        }
    }
    if (Sky.IsSet()) {
        PlaceSkyBodies();
    }
}

// Once the sky is real the nine planets stand where the sky's moment has
// them. The moment stands still while a body is pointed at, so that the date
// stays true; at an edge of the span it stops, and says so once.
void OGLWin::AdvanceSky(double step)
{
    if (!Sky.IsSet()) {
        return;
    }
    if (Selected == NoBody) {
        if (MoveSkyMoment(step)) {
            StopTimeAtEdge();
        }
    }
    PlaceSkyBodies();
}

void OGLWin::ShowSkyDate()
{
    if (!Sky.IsSet()) {
        return;
    }
    const DateShown now{SkyDateTextUnit(UnixMillisecondsOfJulianDay(Sky.JulianDay()), Rate), Rate, TimePaused,
                        mnuindietro->isChecked()};
    if (now == ShownDate) {
        return;
    }
    ShownDate = now;
    lblData->setText(SkyDateText(Sky.Moment(), now.paused, now.backwards, now.rate));
}

void OGLWin::SetTimePaused(bool paused)
{
    if (paused == TimePaused) {
        return;
    }
    TimePaused = paused;
    if (paused) {
        FollowingClock = false; // on resuming, time runs on from the moment it stood at
        HoldTimerPause(TimerPause::UserPause);
    } else {
        ReleaseTimerPause(TimerPause::UserPause);
    }
    mnupausa->setText(paused ? QStringLiteral("Riprendi") : QStringLiteral("Pausa"));
    ShowSkyDate();
}

void OGLWin::StopTimeAtEdge()
{
    SetTimePaused(true);
    ShowCriticalMessage(QStringLiteral("Il tempo si è fermato al %1: le posizioni dei pianeti si calcolano "
                                       "solo da %2 a %3.")
                            .arg(Sky.Moment().toString(Qt::ISODate), EarliestSkyMoment().toString(Qt::ISODate),
                                 LatestSkyMoment().toString(Qt::ISODate)));
}

void OGLWin::mnupausa_Click()
{
    SetTimePaused(!TimePaused);
}

void OGLWin::mnuindietro_Click()
{
    FollowingClock = false;
    ShowSkyDate();
}

QDateTime OGLWin::SceneMoment() const
{
    return Sky.IsSet() ? Sky.Moment() : std::clamp(SystemClock().toUTC(), EarliestSkyMoment(), LatestSkyMoment());
}

void OGLWin::mnudata_Click()
{
    const ScopedTimerPause pause(TimerPause::ModalDialog);
    BodyCard->hide();
    FrmData dialog(SceneMoment(), this);
    if (dialog.exec() == QDialog::Accepted) {
        SetSkyMoment(dialog.Moment());
    }
}

// A focused button or check box takes Space, as it always has; elsewhere
// Space is the shortcut of "Pausa".
bool OGLWin::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QAbstractButton*>(watched) != nullptr &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        event->accept();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
