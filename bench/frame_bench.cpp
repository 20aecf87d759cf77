#include "frame_bench.h"

#include "allocation_counter.h"
#include "frame_timer.h"
#include "gl_projection.h"
#include "gl_view.h"
#include "ogl_module.h"
#include "window_parts.h"
#include "timing.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDeadlineTimer>

#include <vector>

namespace {

constexpr int kExposeTimeoutMs = 5000;
constexpr int kWarmUpPasses = 60;
constexpr double kFollowTurnDegrees = 60;
// Calls of an action before its allocations are counted: the first calls in
// a new drawing state make the driver compile code for it.
constexpr int kWarmUpCalls = 10;
// The animation step's work does not depend on the length of the step.
constexpr double kAnimationStepSeconds = 1.0 / 60;
// Builds of the nine true lines from nothing, a fifth of a second each.
constexpr int kLineBuilds = 5;

template <typename Action>
AllocationRate CountPerCall(int calls, Action&& action)
{
    for (int call = 0; call < kWarmUpCalls; ++call) {
        action();
    }
    StartCountingAllocations();
    for (int call = 0; call < calls; ++call) {
        action();
    }
    const AllocationCount count = StopCountingAllocations();
    const auto perCall = [calls](std::uint64_t total) { return static_cast<double>(total) / calls; };
    return {perCall(count.programCalls), perCall(count.qtCalls), perCall(count.systemCalls), perCall(count.frees)};
}

} // namespace

WindowBench::WindowBench() : window(std::make_unique<OGLWin>())
{
    window->Loop.Pacer.SetCeiling(0);
    if (!window->LoadForm()) {
        return;
    }
    Ui(*window).ChkPath->setChecked(true);
    const QDeadlineTimer deadline(kExposeTimeoutMs);
    while (!Ui(*window).glView1->isExposed() && !deadline.hasExpired()) {
        window->RenderLoopPass();
    }
    for (int pass = 0; pass < kWarmUpPasses; ++pass) {
        window->RenderLoopPass();
    }
    loaded = Ui(*window).glView1->isExposed() && OGLModule::MakeViewCurrent();
    if (!loaded) {
        return;
    }
    // The last frame left the model-view matrix in the scene frame, whose
    // origin is the Sun's centre. The viewport is in device pixels from the
    // bottom; mouse events come in logical pixels from the top.
    const QPointF device = ProjectToViewport(0, 0, 0);
    const double ratio = Ui(*window).glView1->devicePixelRatio();
    sunOnView = {device.x() / ratio, (Ui(*window).glView1->height() * ratio - device.y()) / ratio};
}

WindowBench::~WindowBench() = default;

QString WindowBench::Description() const
{
    OGLModule::MakeViewCurrent();
    const double ratio = Ui(*window).glView1->devicePixelRatio();
    return QStringLiteral("%1, view %2x%3 device pixels")
        .arg(QString::fromLatin1(reinterpret_cast<const char*>(glGetString(GL_RENDERER))))
        .arg(qRound(Ui(*window).glView1->width() * ratio))
        .arg(qRound(Ui(*window).glView1->height() * ratio));
}

void WindowBench::EmptyFrame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    OGLModule::GLContext->swapBuffers(OGLModule::ViewDC);
}

void WindowBench::PickSun()
{
    window->glView1_MouseMove(static_cast<float>(sunOnView.x()), static_cast<float>(sunOnView.y()));
}

FrameTimes WindowBench::MeasureTimes(int calls)
{
    std::vector<double> loopPass;
    std::vector<double> bareFrame;
    std::vector<double> emptyFrame;
    std::vector<double> pick;
    FrameTimes times;
    const auto timeLoopPass = [&] { loopPass.push_back(SecondsFor([this] { window->RenderLoopPass(); })); };
    const auto timeBareFrame = [&] { bareFrame.push_back(SecondsFor([this] { window->Render_glView1(); })); };
    // Every pass of the loop leaves the context current for the others. The
    // pass and the bare frame change places every call, so that neither
    // always follows the other's swap.
    for (int call = 0; call < calls; ++call) {
        if (call % 2 == 0) {
            timeLoopPass();
            timeBareFrame();
        } else {
            timeBareFrame();
            timeLoopPass();
        }
        emptyFrame.push_back(SecondsFor([this] { EmptyFrame(); }));
        // The pointer rests on the Sun: picked already, it has its halo
        // drawn in the selection pass too. The frames have nothing picked.
        window->Scene.Selected = Sun;
        pick.push_back(SecondsFor([this] { PickSun(); }));
        times.pickHitsSun = window->Scene.Selected == Sun;
        window->Scene.Selected = NoBody;
    }
    times.loopPass = Median(loopPass);
    times.bareFrame = Median(bareFrame);
    times.emptyFrame = Median(emptyFrame);
    times.pick = Median(pick);
    return times;
}

void WindowBench::MeasureSkyTimes(int calls, FrameTimes& times)
{
    window->SetSkyMoment(QDateTime(QDate(2026, 12, 8), QTime(21, 30), Qt::UTC));
    std::vector<double> loopPass;
    std::vector<double> bareFrame;
    std::vector<double> skyStep;
    std::vector<double> defaultStep;
    for (int call = 0; call < calls; ++call) {
        loopPass.push_back(SecondsFor([this] { window->RenderLoopPass(); }));
        bareFrame.push_back(SecondsFor([this] { window->Render_glView1(); }));
        skyStep.push_back(SecondsFor([this] { window->AnimationStep(kAnimationStepSeconds); }));
        defaultStep.push_back(SecondsFor([this] { AdvanceAnimation(window->Scene, kAnimationStepSeconds); }));
    }
    times.skyLoopPass = Median(loopPass);
    times.skyBareFrame = Median(bareFrame);
    times.skyStep = Median(skyStep);
    times.defaultStep = Median(defaultStep);
}

void WindowBench::MeasureTrueOrbitTimes(int calls, FrameTimes& times)
{
    Vista(*window).mnuorbite->trigger();
    std::tie(times.trueLoopPass, times.trueBareFrame) = MeasureLoopAndFrame(calls);
    std::vector<double> linesBuild;
    for (int call = 0; call < kLineBuilds; ++call) {
        TrueOrbitLines lines;
        OGLModule::MakeViewCurrent();
        linesBuild.push_back(SecondsFor([&] {
            while (!lines.Follow(window->Time.JulianDay())) {
            }
        }));
    }
    Vista(*window).mnuorbite->trigger();
    times.trueLinesBuild = Median(linesBuild);
}

void WindowBench::MeasureEclipseTimes(int calls, FrameTimes& times)
{
    window->SetSkyMoment(QDateTime(QDate(2027, 8, 2), QTime(10, 7), Qt::UTC));
    Vista(*window).mnuorbite->trigger();
    std::tie(times.eclipseLoopPass, times.eclipseBareFrame) = MeasureLoopAndFrame(calls);
    Vista(*window).mnuorbite->trigger();
}

std::pair<double, double> WindowBench::MeasureLoopAndFrame(int calls)
{
    std::vector<double> loopPass;
    std::vector<double> bareFrame;
    for (int call = 0; call < calls; ++call) {
        loopPass.push_back(SecondsFor([this] { window->RenderLoopPass(); }));
        bareFrame.push_back(SecondsFor([this] { window->Render_glView1(); }));
    }
    return {Median(loopPass), Median(bareFrame)};
}

std::pair<double, double> WindowBench::MeasureWithItems(int calls, const std::vector<QAction*>& items)
{
    std::vector<double> loopPass;
    std::vector<double> bareFrame;
    for (int call = 0; call < calls; ++call) {
        for (QAction* item : items) {
            item->setChecked(true);
        }
        loopPass.push_back(SecondsFor([this] { window->RenderLoopPass(); }));
        for (QAction* item : items) {
            item->setChecked(false);
        }
        bareFrame.push_back(SecondsFor([this] { window->Render_glView1(); }));
    }
    return {Median(loopPass), Median(bareFrame)};
}

void WindowBench::MeasureNameTimes(int calls, FrameTimes& times)
{
    std::tie(times.namesLoopPass, times.namesBareFrame) = MeasureWithItems(calls, {Vista(*window).mnunomi});
}

void WindowBench::MeasureSkyBackdropTimes(int calls, FrameTimes& times)
{
    const ViewMenu& menu = Vista(*window);
    std::tie(times.backdropLoopPass, times.backdropBareFrame) =
        MeasureWithItems(calls, {menu.mnustelle, menu.mnucostellazioni, menu.mnuvialattea});
}

void WindowBench::MeasureMoonTimes(int calls, FrameTimes& times)
{
    std::tie(times.moonsLoopPass, times.moonsBareFrame) = MeasureWithItems(calls, {Vista(*window).mnulune});
}

// Saturn is chosen from the keyboard, followed and let go, so that it moves
// on its orbit; the glide there is over before the timing starts.
void WindowBench::MeasureFollowTimes(int calls, FrameTimes& times)
{
    for (const int key : {Qt::Key_6, Qt::Key_Return, Qt::Key_Escape}) {
        window->glView1_KeyDown(key);
    }
    window->Rig.Camera.Turn(kFollowTurnDegrees);
    const QDeadlineTimer glide(static_cast<qint64>(ViewCamera::kGlideSeconds * 1000) + 200);
    while (!glide.hasExpired()) {
        window->RenderLoopPass();
    }
    const ViewCamera following = window->Rig.Camera;
    std::vector<double> loopPass;
    std::vector<double> bareFrame;
    std::vector<double> restFrame;
    for (int call = 0; call < calls; ++call) {
        loopPass.push_back(SecondsFor([this] { window->RenderLoopPass(); }));
        bareFrame.push_back(SecondsFor([this] { window->Render_glView1(); }));
        window->Rig.Camera = ViewCamera{};
        restFrame.push_back(SecondsFor([this] { window->Render_glView1(); }));
        window->Rig.Camera = following;
    }
    window->Rig.Camera = ViewCamera{};
    times.followLoopPass = Median(loopPass);
    times.followBareFrame = Median(bareFrame);
    times.restBareFrame = Median(restFrame);
}

FrameAllocations WindowBench::CountAllocations(int calls)
{
    FrameAllocations allocations;
    allocations.loopPass = CountPerCall(calls, [this] { window->RenderLoopPass(); });
    allocations.processEvents = CountPerCall(calls, [] { QCoreApplication::processEvents(); });
    allocations.animationStep = CountPerCall(calls, [this] {
        OGLModule::FrameTimer().UpdateTimer(1);
        AdvanceAnimation(window->Scene, kAnimationStepSeconds);
    });
    OGLModule::MakeViewCurrent();
    allocations.renderFrame = CountPerCall(calls, [this] { window->Render_glView1(); });
    window->Scene.Selected = Sun;
    allocations.pick = CountPerCall(calls, [this] { PickSun(); });
    window->Scene.Selected = NoBody;
    return allocations;
}
