// "Eventi del cielo…" of the menu "Tempo".

#include "frm_eventi.h"
#include "frame_timer.h"
#include "info_card.h"
#include "ogl_win.h"

using namespace OGLModule;

// The animation waits while the dialog is open; "Vai" leaves the sky at the
// event, paused, so that it can be looked at.
void OGLWin::mnueventi_Click()
{
    const ScopedTimerPause pause(TimerPause::ModalDialog);
    BodyCard->hide();
    const auto askFile = [this](QWidget* owner, const SaveFileQuestion& question) {
        return AskSaveFile(owner, question);
    };
    FrmEventi dialog(SceneMoment(), FindEvents, askFile, [this] { return SystemClock(); }, this);
    if (dialog.exec() == QDialog::Accepted && SetSkyMoment(dialog.ChosenMoment())) {
        SetTimePaused(true);
    }
}
