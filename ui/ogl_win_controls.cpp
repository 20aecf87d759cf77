#include "ogl_win.h"

#include "frame_timer.h"
#include "frm_peta.h"
#include "info_card.h"
#include "message_box.h"
#include "sky_bodies.h"
#include "sky_moment.h"
#include "xp_module.h"

#include <QLabel>
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
    lblRotaSi->setText(QString::number(XPModule::ViewTilt, 'g', 15));
}

void OGLWin::HScroll_Change()
{
    XPModule::PerspectiveAngle = static_cast<std::int16_t>(HScroll->value());
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
    const std::int64_t wanted = HScroll->value() - std::int64_t{Notches} * HScroll->singleStep();
    HScroll->setValue(static_cast<int>(std::clamp<std::int64_t>(wanted, HScroll->minimum(), HScroll->maximum())));
}

void OGLWin::HSpeed_Change()
{
    XPModule::SecondsPerYear = static_cast<std::uint8_t>(std::abs(HSpeed->value() - 210));
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

void OGLWin::mnuoggi_Click()
{
    MakeSkyRealNow();
}

// The sky becomes real at the system clock's moment; a clock outside the span
// leaves it as it was and gets a message.
bool OGLWin::MakeSkyRealNow()
{
    const QDateTime now = SystemClock();
    if (SetSkyMoment(now)) {
        return true;
    }
    ShowCriticalMessage(QStringLiteral("L'orologio di sistema segna %1: le posizioni dei pianeti si calcolano "
                                       "solo da %2 a %3.")
                            .arg(now.toUTC().toString(Qt::ISODate), EarliestSkyMoment().toString(Qt::ISODate),
                                 LatestSkyMoment().toString(Qt::ISODate)));
    return false;
}

// The view's keys work the controls themselves, so that labels and bars
// stay in step: the arrows pan the way the "Quadro" pictures point, Page Up
// and Page Down tilt as the "Prospettiva" buttons do, + and - zoom and < and
// > change the speed by the bars' small steps. 0 chooses the Sun, 1 to 9 the
// planets outwards from it, L the Moon; Escape lets a chosen body go, Enter
// follows it. Shift with the left and right arrows turns the scene; Home
// brings the designed view back.
bool OGLWin::glView1_KeyDown(int Key, Qt::KeyboardModifiers Shift)
{
    if (Shift.testFlag(Qt::ShiftModifier) && (Key == Qt::Key_Left || Key == Qt::Key_Right)) {
        GlideTurn(Key == Qt::Key_Right ? kTurnKeyDegrees : -kTurnKeyDegrees);
        return true;
    }
    if (Key >= Qt::Key_1 && Key <= Qt::Key_9) {
        ChooseBody(kPlanetIds[static_cast<std::size_t>(Key - Qt::Key_1)]);
        return true;
    }
    const auto step = [](QScrollBar* bar, QAbstractSlider::SliderAction action) { bar->triggerAction(action); };
    switch (Key) {
    case Qt::Key_Down:
        CmdUP->click(); // its picture points down
        return true;
    case Qt::Key_Up:
        CmdDown->click();
        return true;
    case Qt::Key_Left:
        CmdLeft->click();
        return true;
    case Qt::Key_Right:
        CmdRight->click();
        return true;
    case Qt::Key_PageUp:
        CmdRotasiUp->click();
        return true;
    case Qt::Key_PageDown:
        CmdRotasiDown->click();
        return true;
    case Qt::Key_Plus:
        step(HScroll, QAbstractSlider::SliderSingleStepSub); // a narrower angle magnifies
        return true;
    case Qt::Key_Minus:
        step(HScroll, QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Greater:
        step(HSpeed, QAbstractSlider::SliderSingleStepAdd); // to the right, a shorter year
        return true;
    case Qt::Key_Less:
        step(HSpeed, QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_0:
        ChooseBody(Sun);
        return true;
    case Qt::Key_L:
        ChooseBody(Moon);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Selected == NoBody) {
            return false;
        }
        FollowBody(Selected);
        return true;
    case Qt::Key_Home:
        mnuvista_Click();
        return true;
    case Qt::Key_Escape:
        if (!ChosenByKey) {
            return false;
        }
        ClearChosenBody();
        return true;
    default:
        return false;
    }
}
