// The sky's time wired to the menu "Tempo", "Posizioni di oggi", "Orbite
// vere" and the dialogs of time.

#include "event_view.h"
#include "frame_timer.h"
#include "frm_data.h"
#include "frm_eventi.h"
#include "info_card.h"
#include "message_box.h"
#include "moon_systems.h"
#include "ogl_win.h"
#include "sky_moment.h"
#include "sky_placement.h"
#include "texts_window.h"
#include "xp_module.h"

#include <QAction>

using namespace OGLModule;

bool OGLWin::SetSkyMoment(const QDateTime& moment)
{
    if (!Time.SetMoment(moment)) {
        return false;
    }
    ShowSky();
    return true;
}

void OGLWin::ShowSky()
{
    if (Time.IsReal()) {
        PlaceSkyBodies();
    }
    ShowTime();
}

// The planets' longitudes on their circles, the Moon where it is and, with
// "Orbite vere", each body at its true place with its axis leaning; with
// "Lune dei pianeti", the planets' moons in their true directions; the
// spins from then on follow the spin clock.
void OGLWin::PlaceSkyBodies()
{
    StartSpinClock(Scene);
    SetOrbitAngles(Scene, Time.Track.At(Time.JulianDay()));
    PlaceBodiesInTheSky(Scene, Time.Track, Time.JulianDay(), Vista.mnuorbite->isChecked());
    if (Vista.mnulune->isChecked()) {
        PlaceMoonsInTheSky(Scene, Time.JulianDay());
    }
}

// The menu and the date say what the sky's time does, and "Pausa" holds the
// frame timer's pause.
void OGLWin::ShowTime()
{
    if (Time.Paused() != TimerPauseHeld) {
        TimerPauseHeld = Time.Paused();
        if (TimerPauseHeld) {
            HoldTimerPause(TimerPause::UserPause);
        } else {
            ReleaseTimerPause(TimerPause::UserPause);
        }
    }
    Tempo.Show(Time);
}

// At the span's edge the planets stand there, shown stopped, before the message.
void OGLWin::TimeRefused(SkyTime::Refusal refusal, const QDateTime& at)
{
    const bool edge = refusal == SkyTime::Refusal::EdgeReached;
    if (edge) {
        ShowSky();
    }
    ShowCriticalMessage(edge ? WindowText::TimeStoppedAtEdge(at) : WindowText::ClockOutsideSpan(at));
}

void OGLWin::mnuoggi_Click()
{
    Time.MakeRealNow();
    ShowSky();
}

// Turned on before the sky is real, it makes the sky real at the system
// clock's moment first, as "Posizioni di oggi" does; where that cannot be,
// it stays off.
void OGLWin::mnuorbite_Click()
{
    if (Vista.mnuorbite->isChecked() && !Time.IsReal()) {
        mnuoggi_Click();
        if (!Time.IsReal()) {
            Vista.mnuorbite->setChecked(false);
            return;
        }
    }
    if (Time.IsReal()) {
        PlaceSkyBodies();
    }
}

void OGLWin::mnupausa_Click()
{
    Time.SetPaused(!Time.Paused());
    ShowTime();
}

void OGLWin::mnuindietro_Click()
{
    Time.SetBackwards(Tempo.mnuindietro->isChecked());
    ShowTime();
}

void OGLWin::ChooseRate(SkyRate rate)
{
    Time.ChooseRate(rate, XPModule::SecondsPerYear);
    ShowSky();
}

void OGLWin::mnuadesso_Click()
{
    Time.Now(XPModule::SecondsPerYear);
    ShowSky();
}

void OGLWin::StepSky(CalendarUnit unit, int count)
{
    Time.Step(unit, count);
    ShowSky();
}

void OGLWin::mnudata_Click()
{
    const ScopedTimerPause pause(TimerPause::ModalDialog);
    BodyCard->hide();
    FrmData dialog(Time.StartMoment(), this);
    if (dialog.exec() == QDialog::Accepted) {
        SetSkyMoment(dialog.Moment());
    }
}

// The animation waits while the dialog is open; "Vai" leaves the sky at the
// event, paused, so that it can be looked at.
void OGLWin::mnueventi_Click()
{
    const ScopedTimerPause pause(TimerPause::ModalDialog);
    BodyCard->hide();
    const auto askFile = [this](QWidget* owner, const SaveFileQuestion& question) {
        return AskSaveFile(owner, question);
    };
    FrmEventi dialog(Time.StartMoment(), FindEvents, askFile, [this] { return Time.SystemClock(); }, this);
    if (dialog.exec() == QDialog::Accepted && SetSkyMoment(dialog.ChosenMoment())) {
        Time.SetPaused(true);
        ShowTime();
        ShowEvent(dialog.ChosenEvent());
    }
}

// The view glides to the body that shows the event, turned and magnified;
// the shadows of a solar eclipse need "Orbite vere", which it turns on.
void OGLWin::ShowEvent(const SkyEvent& event)
{
    if (NeedsTrueOrbits(event) && !Vista.mnuorbite->isChecked()) {
        Vista.mnuorbite->setChecked(true);
        PlaceSkyBodies();
    }
    const EventView view = ViewOfEvent(Scene, event, XPModule::ViewTilt);
    Rig.Show(view.body, view.turn, view.zoom, CurrentViewSettings(), CurrentFrameInputs().camera);
}
