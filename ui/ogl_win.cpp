#include "ogl_win.h"

#include "frame_timer.h"
#include "frm_peta.h"
#include "gl_view.h"
#include "info_card.h"
#include "texts_window.h"
#include "scene_renderer.h"
#include "settings_file.h"
#include "view_passes.h"
#include "window_place.h"
#include "xp_module.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <cmath>

using namespace OGLModule;

namespace {

// The designed view the glide home brings back.
constexpr ViewControlValues kHomeView{.tilt = XPModule::kStartViewTilt,
                                 .panX = XPModule::kStartViewPanX,
                                 .panY = XPModule::kStartViewPanY,
                                 .zoom = XPModule::kStartPerspectiveAngle};

} // namespace

OGLWin::OGLWin(QWidget* parent)
    : QMainWindow(parent),
      Loop({.shown = [this] { return ViewShown(); },
            .refreshRate =
                [this] {
                    const QScreen* screen = Ui.glView1->screen();
                    return screen != nullptr ? screen->refreshRate() : 0.0;
                }}),
      Ui(CreateMainControls(*this, new GlView(*this))),
      BodyCard(new InfoCard(*Ui.glView1, this)),
      mnupeta(menuBar()->addAction(WindowText::MnuPeta())),
      mnuoggi(menuBar()->addAction(WindowText::MnuOggi()))
{
    setWindowTitle(WindowText::Title());
    QIcon globe;
    globe.addFile(QStringLiteral(":/images/globe-32.png"));
    globe.addFile(QStringLiteral(":/images/globe-16.png"));
    setWindowIcon(globe);
    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
    ConnectControls();
    ConnectMenus();
    SetTimerUnavailableHandler([this] { Scene.Done = true; });
}

OGLWin::~OGLWin()
{
    if (Loaded) {
        Form_Unload();
    }
    SetTimerUnavailableHandler(nullptr);
    if (ViewDC == Ui.glView1) {
        ViewDC = nullptr;
    }
}

bool OGLWin::Form_Load()
{
    if (!LoadForm()) {
        return false;
    }
    while (!Scene.Done) {
        RenderLoopPass();
    }
    return FrameTimer().Frequency().raw != 0;
}

bool OGLWin::LoadForm()
{
    Scene.RenderMode = kRenderModeRender;
    Scene.Selected = NoBody;
    Scene.Done = false;
    ViewDC = Ui.glView1;
    ShowTilt();
    ComputeRates();
    Scene.CameraAngle = 90.0F;

    // The surface needs its native window before a context can use it.
    winId();
    Ui.glView1->create();
    if (!InitOpenGL(GLOwner)) {
        Form_Unload();
        return false;
    }
    Loaded = true;

    ShowAtKeptPlace();
    FrameTimer().Paused(false);
    Rig.StartClock(FrameTimer().ClockSeconds());
    return true;
}

// Where the last run left the window, when it fits a screen present now;
// otherwise at the designed size, centred on the screen.
void OGLWin::ShowAtKeptPlace()
{
    QList<QRect> screens;
    for (const QScreen* present : QGuiApplication::screens()) {
        screens << present->availableGeometry();
    }
    if (const auto kept = KeptWindowPlace(*OpenSettings(), screens)) {
        setGeometry(kept->geometry);
        if (kept->maximised) {
            showMaximized();
            return;
        }
    } else {
        const QRect available = screen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveCenter(available.center());
        move(frame.topLeft());
    }
    show();
}

void OGLWin::RenderLoopPass()
{
    if (!Loop.NextFrame(Scene.Done)) {
        return;
    }
    const double elapsed = FrameTimer().ElapsedSeconds().ToDouble();
    if (elapsed > 0) {
        AnimationStep(elapsed);
    }
    // The camera's glide runs on the clock's real time, so that it goes on
    // while the animation is paused.
    if (const auto settings = Rig.Advance(FrameTimer().ClockSeconds(), kHomeView)) {
        ApplyViewSettings(*settings);
    }
    glView1_Paint();
}

void OGLWin::AnimationStep(double elapsed)
{
    const double step = Time.FrameStep(elapsed);
    AdvanceAnimation(Scene, step);
    if (Time.IsReal()) {
        Time.Advance(step, XPModule::SecondsPerYear, Scene.Selected != NoBody);
        ShowSky();
    }
}

void OGLWin::ComputeRates()
{
    ::ComputeRates(Scene, XPModule::SecondsPerYear);
}

void OGLWin::Form_Resize()
{
    if (FullScreen.On()) {
        // The window's own size: its layout may not have passed it on yet.
        Ui.glView1Container->setGeometry(QRect(QPoint(0, 0), size()));
    } else {
        // The client area is the window below its menu bar; what it has beyond
        // its designed height goes to the view.
        const int clientHeight = height() - menuBar()->sizeHint().height();
        const int viewHeight = std::max(kViewHeight, clientHeight - (kClientSize.height() - kViewHeight));
        Ui.glView1Container->setGeometry(0, 0, frameGeometry().width(), viewHeight);
        Ui.StandUnder(viewHeight);
    }
    if (!MakeViewCurrent()) {
        return;
    }
    // The viewport is in device pixels; the view's size is in logical ones.
    ViewportScale = Ui.glView1->devicePixelRatio();
    SetViewProjection(static_cast<int>(std::lround(Ui.glView1Container->width() * ViewportScale)),
                      static_cast<int>(std::lround(Ui.glView1Container->height() * ViewportScale)),
                      XPModule::PerspectiveAngle);
}

void OGLWin::Form_Unload()
{
    Scene.Done = true;
    Loaded = false;
    // The names' textures and the sky's lists go with the context, deleted while it is current.
    if (MakeViewCurrent()) {
        Painter.Release();
    }
    Painter.Forget();
    GLOwner.ReleaseContext();
}

void OGLWin::glView1_Paint()
{
    if (!Loaded || !MakeViewCurrent()) {
        return;
    }
    FollowViewScale();
    Render_glView1();
    if (CardOnBody()) {
        FollowChosenBody();
    }
}

// The view's scale changes without a resize when the window moves to a
// screen of another scale factor, or the desktop's scale changes: the next
// frame or pick finds out and rebuilds viewport and projection first.
void OGLWin::FollowViewScale()
{
    if (Ui.glView1->devicePixelRatio() != ViewportScale) {
        Form_Resize();
    }
}

// Hidden, minimised or unmapped, the main window takes its view out of sight
// even where the view itself is not told. On Wayland the view is a subsurface
// that Qt reports exposed only once it has shown a frame, so waiting for its
// own exposure would never draw.
bool OGLWin::ViewShown() const
{
    const QWindow* top = windowHandle();
    return isVisible() && Ui.glView1->isVisible() && top != nullptr && top->isExposed();
}

FrameInputs OGLWin::CurrentFrameInputs() const
{
    FrameInputs inputs;
    inputs.spinCamera = Ui.ChkCam->isChecked();
    inputs.showOrbits = Ui.ChkPath->isChecked();
    // The frame time only matters to a spinning camera.
    if (inputs.spinCamera) {
        inputs.elapsedSeconds = FrameTimer().ElapsedSeconds().ToDouble();
    }
    inputs.panX = XPModule::ViewPanX;
    inputs.panY = XPModule::ViewPanY;
    inputs.tilt = XPModule::ViewTilt;
    inputs.camera = Rig.Camera.Pose(Scene, {.panX = inputs.panX, .panY = inputs.panY, .tilt = inputs.tilt});
    return inputs;
}

void OGLWin::ShowFrame()
{
    if (Scene.RenderMode == kRenderModeRender && !CapturingFrame) {
        Loop.Swapped([] { GLContext->swapBuffers(ViewDC); });
    }
}

void OGLWin::Render_glView1()
{
    Painter.Draw(Scene, CurrentFrameInputs(),
                 {.names = Vista.mnunomi->isChecked(), .notePlaces = CardOnBody(), .julianDay = Time.JulianDay(),
                  .scale = Ui.glView1->devicePixelRatio(), .sky = SkyLayers(), .moons = Vista.mnulune->isChecked()});
    ShowFrame();
}

void OGLWin::Render_Temp()
{
    RenderFixedScene(Scene, CurrentFrameInputs());
    ShowFrame();
}

void OGLWin::FlareSun()
{
    DrawFlareSun(Scene);
}

void OGLWin::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void OGLWin::closeEvent(QCloseEvent* event)
{
    if (Loaded) {
        KeepWindowPlace(*OpenSettings(), {.geometry = normalGeometry(), .maximised = isMaximized()});
    }
    Form_Unload();
    event->accept();
}
