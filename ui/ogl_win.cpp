#include "ogl_win.h"

#include "frame_timer.h"
#include "frm_peta.h"
#include "gl_view.h"
#include "info_card.h"
#include "ogl_module.h"
#include "scene_renderer.h"
#include "xp_module.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QScreen>

#include <cmath>

using namespace OGLModule;

namespace {

// Height of the view as designed; only its width follows the window.
constexpr int kViewHeight = 473;

} // namespace

OGLWin::OGLWin(QWidget* parent) : QMainWindow(parent)
{
    CreateControls();
    ConnectControls();
    SetTimerUnavailableHandler([this] { Done = true; });
}

OGLWin::~OGLWin()
{
    if (Loaded) {
        Form_Unload();
    }
    SetTimerUnavailableHandler(nullptr);
    if (ViewDC == glView1) {
        ViewDC = nullptr;
    }
}

bool OGLWin::Form_Load()
{
    if (!LoadForm()) {
        return false;
    }
    while (!Done) {
        RenderLoopPass();
    }
    return FrameTimer().Frequency().raw != 0;
}

bool OGLWin::LoadForm()
{
    RenderMode = kRenderModeRender;
    Selected = NoBody;
    Done = false;
    ViewDC = glView1;
    ShowTilt();
    ComputeRates();
    CameraAngle = 90.0F;

    // The surface needs its native window before a context can use it.
    winId();
    glView1->create();
    if (!InitOpenGL(GLOwner)) {
        Form_Unload();
        return false;
    }
    Loaded = true;

    const QRect available = screen()->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(frame.topLeft());
    show();
    FrameTimer().Paused(false);
    CameraClock = FrameTimer().ClockSeconds();
    return true;
}

void OGLWin::RenderLoopPass()
{
    QCoreApplication::processEvents();
    WaitForFrame();
    if (Done) {
        return;
    }
    Pacer.FrameStarted();
    FrameTimer().UpdateTimer(1);
    const double elapsed = FrameTimer().ElapsedSeconds().ToDouble();
    if (elapsed > 0) {
        AnimationStep(elapsed);
    }
    AdvanceCamera();
    glView1_Paint();
}

void OGLWin::AnimationStep(double elapsed)
{
    const double step = (mnuindietro->isChecked() ? -elapsed : elapsed) * TimeFactor;
    AdvanceAnimation(*this, step);
    AdvanceSky(step);
    ShowSkyDate();
}

void OGLWin::ComputeRates()
{
    ::ComputeRates(*this, XPModule::SecondsPerYear);
}

void OGLWin::Form_Resize()
{
    if (FullScreen) {
        // The window's own size: its layout may not have passed it on yet.
        glView1Container->setGeometry(QRect(QPoint(0, 0), size()));
    } else {
        glView1Container->setGeometry(0, 0, frameGeometry().width(), kViewHeight);
    }
    if (!MakeViewCurrent()) {
        return;
    }
    // The viewport is in device pixels; the view's size is in logical ones.
    const double ratio = glView1->devicePixelRatio();
    ViewportScale = ratio;
    const int width = static_cast<int>(std::lround(glView1Container->width() * ratio));
    const int height = static_cast<int>(std::lround(glView1Container->height() * ratio));
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    gluPerspective(XPModule::PerspectiveAngle, aspect, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void OGLWin::Form_Unload()
{
    Done = true;
    Loaded = false;
    // The names' textures go with the context, deleted while it is current.
    if (MakeViewCurrent()) {
        Names.Release();
    }
    Names.Forget();
    GLOwner.ReleaseContext();
}

void OGLWin::glView1_Paint()
{
    if (!Loaded || !MakeViewCurrent()) {
        return;
    }
    FollowViewScale();
    Render_glView1();
    if (ChosenByKey) {
        FollowChosenBody();
    }
}

// The view's scale changes without a resize when the window moves to a
// screen of another scale factor, or the desktop's scale changes: the next
// frame or pick finds out and rebuilds viewport and projection first.
void OGLWin::FollowViewScale()
{
    if (glView1->devicePixelRatio() != ViewportScale) {
        Form_Resize();
    }
}

FrameInputs OGLWin::CurrentFrameInputs() const
{
    FrameInputs inputs;
    inputs.spinCamera = ChkCam->isChecked();
    inputs.showOrbits = ChkPath->isChecked();
    // The frame time only matters to a spinning camera.
    if (inputs.spinCamera) {
        inputs.elapsedSeconds = FrameTimer().ElapsedSeconds().ToDouble();
    }
    inputs.panX = XPModule::ViewPanX;
    inputs.panY = XPModule::ViewPanY;
    inputs.tilt = XPModule::ViewTilt;
    inputs.camera = Camera.Pose(*this, {.panX = inputs.panX, .panY = inputs.panY, .tilt = inputs.tilt});
    return inputs;
}

void OGLWin::ShowFrame()
{
    if (RenderMode == kRenderModeRender && !CapturingFrame) {
        Pacer.SwapStarted();
        GLContext->swapBuffers(ViewDC);
        Pacer.SwapEnded();
    }
}

// Where the bodies land is noted only when the names or a body chosen from
// the keyboard need it, and the names are drawn only in frames to be seen:
// never in a selection pass, so they are never picked.
void OGLWin::Render_glView1()
{
    FrameInputs inputs = CurrentFrameInputs();
    const bool drawing = RenderMode == kRenderModeRender;
    const bool names = drawing && mnunomi->isChecked();
    if (names || (drawing && ChosenByKey)) {
        inputs.places = &Places;
    }
    if (inputs.showOrbits && Real.trueOrbits) {
        TruePaths.Follow(Sky.JulianDay());
    }
    RenderScene(*this, inputs);
    if (names) {
        Names.Draw(Places, glView1->devicePixelRatio());
    }
    ShowFrame();
}

void OGLWin::Render_Temp()
{
    RenderFixedScene(*this, CurrentFrameInputs());
    ShowFrame();
}

void OGLWin::FlareSun()
{
    DrawFlareSun(*this);
}

void OGLWin::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void OGLWin::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
