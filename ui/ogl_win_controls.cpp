// The row of controls, the wheel and the view's keys, and the picture window.

#include "frame_timer.h"
#include "frm_peta.h"
#include "info_card.h"
#include "ogl_win.h"
#include "view_keys.h"
#include "xp_module.h"

#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

// Moves a pan setting one step; a step that would leave the 16-bit range is
// refused and the setting keeps its value.
void StepPan(std::int16_t& setting, int step)
{
    const int moved = setting + step;
    if (moved >= std::numeric_limits<std::int16_t>::min() && moved <= std::numeric_limits<std::int16_t>::max()) {
        setting = static_cast<std::int16_t>(moved);
    }
}

// Shift with the left and right arrows turns the scene this far.
constexpr double kTurnKeyDegrees = 5;

} // namespace

void OGLWin::CmdUP_Click()
{
    StepPan(XPModule::ViewPanY, -1);
}

void OGLWin::CmdDown_Click()
{
    StepPan(XPModule::ViewPanY, +1);
}

void OGLWin::CmdLeft_Click()
{
    StepPan(XPModule::ViewPanX, -1);
}

void OGLWin::CmdRight_Click()
{
    StepPan(XPModule::ViewPanX, +1);
}

void OGLWin::CmdRotasiUp_Click()
{
    XPModule::ViewTilt -= 1.0;
    ShowTilt();
}

void OGLWin::CmdRotasiDown_Click()
{
    XPModule::ViewTilt += 1.0;
    ShowTilt();
}

void OGLWin::ShowTilt()
{
    // Shortest decimal form: 25, -3, 2.5.
    Ui.lblRotaSi->setText(QString::number(XPModule::ViewTilt, 'g', 15));
}

void OGLWin::HScroll_Change()
{
    XPModule::PerspectiveAngle = static_cast<std::int16_t>(Ui.HScroll->value());
    Form_Resize();
}

void OGLWin::HScroll_Scroll()
{
    HScroll_Change();
}

// Each notch of the wheel over the view moves the "Zoom" bar by its small
// step, through the bar itself so that its change procedure runs. Turning the
// wheel away from the user narrows the angle, which magnifies. The bar's
// limits hold; at a limit nothing changes.
void OGLWin::glView1_MouseWheel(int Notches)
{
    QScrollBar* bar = Ui.HScroll;
    const std::int64_t wanted = bar->value() - std::int64_t{Notches} * bar->singleStep();
    bar->setValue(static_cast<int>(std::clamp<std::int64_t>(wanted, bar->minimum(), bar->maximum())));
}

void OGLWin::HSpeed_Change()
{
    XPModule::SecondsPerYear = static_cast<std::uint8_t>(std::abs(Ui.HSpeed->value() - 210));
    ComputeRates();
    ChooseRate(SkyRate::SpeedBar); // the bar sets the rate again
}

void OGLWin::mnupeta_Click()
{
    OGLModule::HoldTimerPause(OGLModule::TimerPause::PictureWindow);
    BodyCard->hide();
    if (!PictureWindow) {
        PictureWindow = std::make_unique<FrmPeta>(this);
    }
    PictureWindow->Form_Load();
    PictureWindow->exec();
}

void OGLWin::mnutasti_Click()
{
    const OGLModule::ScopedTimerPause pause(OGLModule::TimerPause::ModalDialog);
    BodyCard->hide();
    MakeKeysWindow(this, HelpRows(*menuBar()))->exec();
}

void OGLWin::mnuinformazioni_Click()
{
    const OGLModule::ScopedTimerPause pause(OGLModule::TimerPause::ModalDialog);
    BodyCard->hide();
    MakeAboutWindow(this)->exec();
}

bool OGLWin::glView1_KeyDown(int Key, Qt::KeyboardModifiers Shift)
{
    const std::optional<ViewKey> key = ViewKeyFor(Key, Shift);
    if (!key) {
        return false;
    }
    switch (key->command) {
    case ViewCommand::Choose:
        ChooseBody(key->body);
        return true;
    case ViewCommand::Follow:
        if (Scene.Selected != NoBody) {
            FollowBody(Scene.Selected);
        }
        return Scene.Selected != NoBody;
    case ViewCommand::Home:
        mnuvista_Click();
        return true;
    case ViewCommand::Release: {
        const bool chosen = ChosenByKey;
        if (chosen) {
            ClearChosenBody();
        }
        return chosen;
    }
    case ViewCommand::TurnLeft:
    case ViewCommand::TurnRight:
        Rig.Camera.GlideTurn(key->command == ViewCommand::TurnRight ? kTurnKeyDegrees : -kTurnKeyDegrees,
                             CurrentFrameInputs().camera);
        return true;
    default:
        PressControl(Ui, key->command);
        return true;
    }
}
