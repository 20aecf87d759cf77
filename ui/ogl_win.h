#pragma once

#include "camera_rig.h"
#include "full_screen.h"
#include "help_menu.h"
#include "main_controls.h"
#include "ogl_module.h"
#include "render_loop.h"
#include "save_file_dialog.h"
#include "sky_backdrop_loader.h"
#include "scene_state.h"
#include "sky_events.h"
#include "sky_time.h"
#include "time_menu.h"
#include "view_drag.h"
#include "view_menu.h"
#include "view_painter.h"

#include <QDateTime>
#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>

class FrmPeta;
class InfoCard;

// The main window: the 3-D view above a row of controls, and the render loop
// that keeps the scene moving while the window is loaded. It wires the units
// that do the work to its controls and menus.
class OGLWin final : public QMainWindow {
    Q_OBJECT
    friend class WindowParts; // the tests' fixtures and the benchmark reach the widgets through it

public:
    explicit OGLWin(QWidget* parent = nullptr);
    ~OGLWin() override;

    // Loads and shows the window and runs the render loop. Returns true once
    // the loop has ended with the window closed; false at once when the OpenGL
    // set-up failed and the window was unloaded, or when the loop ended
    // because there is no counter to time it (the window stays shown).
    bool Form_Load();

    void Form_Resize();
    void Form_Unload();
    void glView1_Paint();
    void glView1_MouseMove(float X, float Y);
    void glView1_MouseWheel(int Notches);
    // A drag with the left button turns and tilts the scene and picks
    // nothing; a move without the button ends it. True for a move of a drag.
    void glView1_MouseDown(float X, float Y);
    bool glView1_MouseDrag(float X, float Y, bool LeftHeld);
    void glView1_MouseUp(float X, float Y);
    // On a body the view follows it; on empty sky it goes home.
    void glView1_DblClick(float X, float Y);
    // A key pressed while the view has the focus; false when it is none of
    // the view's keys.
    bool glView1_KeyDown(int Key, Qt::KeyboardModifiers Shift = Qt::NoModifier);

    // Loading without the loop (steps up to the frame timer's start) and one
    // pass of the render loop; Form_Load is the two together.
    bool LoadForm();
    void RenderLoopPass();

    // The frame of the view; the same at the start placement with a flared
    // Sun; the flared Sun alone.
    void Render_glView1();
    void Render_Temp();
    void FlareSun();

    void ComputeRates();
    // The angles, and the sky's moment once it is real, over `elapsed` (> 0) seconds.
    void AnimationStep(double elapsed);

    void CmdUP_Click();
    void CmdDown_Click();
    void CmdLeft_Click();
    void CmdRight_Click();
    void CmdRotasiUp_Click();
    void CmdRotasiDown_Click();
    void HScroll_Change();
    void HScroll_Scroll();
    void HSpeed_Change();
    void mnupeta_Click();
    void mnuoggi_Click();
    void mnuorbite_Click(); // "Orbite vere": the bodies where the real sky has them
    void mnupausa_Click();
    void mnuindietro_Click();
    void mnudata_Click();
    void mnueventi_Click(); // "Eventi del cielo…": "Vai" takes the sky to one, paused
    void mnuadesso_Click(); // "Adesso": the sky now, live, in real time
    void ChooseRate(SkyRate rate);
    void StepSky(CalendarUnit unit, int count);
    void mnuschermo_Click();
    void mnusalva_Click();
    void mnucopia_Click();
    void mnuvista_Click(); // "Vista iniziale": back to the designed view
    void mnuesci_Click();
    void mnutasti_Click();        // "Tasti e comandi", F1
    void mnuinformazioni_Click(); // "Informazioni"

    // The frame as drawn now, at device pixels, without the card; a null
    // image when the view cannot be read back.
    QImage FrameImage();

    // Where the last frame that noted them drew the bodies.
    const BodyPlaces& DrawnPlaces() const { return Painter.Places(); }

    // Makes the sky real at `moment`; outside the span, false and nothing changes.
    bool SetSkyMoment(const QDateTime& moment);

    SceneState Scene;  // the animated scene
    SkyTime Time;      // the sky's moment, its rate, "Adesso" and the steps
    CameraRig Rig;     // how the view is turned and what it follows
    RenderLoop Loop;   // the loop's yield and pacing

    // Asks where to save a picture or the events, proposing a path; empty
    // when cancelled (tests answer in place of the file dialog).
    std::function<SaveFileAnswer(const QString& proposed)> ChooseSaveFile;
    // The search of "Eventi del cielo…" (tests put one here that lasts until cancelled).
    std::function<decltype(FindSkyEvents)> FindEvents = &FindSkyEvents;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowAtKeptPlace();
    void ConnectControls();
    void ConnectMenus();
    void ConnectSkyMenus();
    void AdoptSkyData(const std::shared_ptr<const SkyBackdropData>& sky);
    StarBackdrop::Layers SkyLayers() const;
    void ShowTilt();
    void ShowTime();
    void ShowSky();
    void ShowMoons(bool on);
    void TimeRefused(SkyTime::Refusal refusal, const QDateTime& at);
    FrameInputs CurrentFrameInputs() const;
    ViewControlValues CurrentViewSettings() const;
    void ApplyViewSettings(const ViewControlValues& settings);
    void ShowFrame();
    void PlaceSkyBodies();
    bool ViewShown() const;
    void FollowViewScale();
    void ChooseBody(std::uint8_t body);
    void ClearChosenBody();
    void FollowChosenBody();
    bool CardOnBody() const { return ChosenByKey || CardOnFollowed; }
    void FollowBody(std::uint8_t body);
    void ShowEvent(const SkyEvent& event);
    SaveFileAnswer AskSaveFile(QWidget* owner, const SaveFileQuestion& question);

    // The widgets, in the order they are made: the controls, the card, the
    // menu bar's items.
    MainControls Ui;
    InfoCard* BodyCard; // names the body under the pointer
    QAction* mnupeta;
    QAction* mnuoggi;
    TimeMenu Tempo{*this};
    ViewMenu Vista{*this};
    HelpMenu Aiuto{*this};

    ViewDrag Drag;         // a drag over the view that turns and tilts it
    ViewPainter Painter;   // the frame, the names and the true paths
    double ViewportScale = 0;     // the view's device pixel ratio when the viewport was set
    bool Loaded = false;
    bool TimerPauseHeld = false;  // "Pausa" holds the frame timer's pause
    FullScreenMode FullScreen;
    bool CapturingFrame = false;  // the frame is drawn to be read back, not shown
    bool ChosenByKey = false;     // Selected comes from the keyboard, not the pointer
    bool CardOnFollowed = false;  // the card stays with a followed body until the pointer moves on
    QPointF PointerAt;            // where the pointer last picked, in the view's logical pixels
    OGLModule::GLResources GLOwner;         // the context and quadric of the view
    std::unique_ptr<FrmPeta> PictureWindow; // created on first use, then reused
    SkyBackdropLoader SkyLoader{SkyBackdropFiles{}}; // the stars, figures and Milky Way, read off this thread
};
