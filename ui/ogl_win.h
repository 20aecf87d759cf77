#pragma once

#include "frame_pacer.h"
#include "frame_timer.h"
#include "body_names.h"
#include "loop_wait.h"
#include "ogl_module.h"
#include "planet_track.h"
#include "save_file_dialog.h"
#include "scene_renderer.h"
#include "scene_state.h"
#include "sky_events.h"
#include "sky_calendar_step.h"
#include "sky_clock.h"
#include "sky_rates.h"
#include "true_orbit_lines.h"
#include "view_camera.h"
#include "view_drag.h"

#include <QDateTime>
#include <QImage>
#include <QMainWindow>

#include <array>
#include <functional>
#include <limits>
#include <memory>

class FrmPeta;
class GlView;
class InfoCard;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;

// The main window: the 3-D view above a row of controls, and the render loop
// that keeps the scene moving while the window is loaded.
class OGLWin final : public QMainWindow, public SceneState {
    Q_OBJECT

public:
    explicit OGLWin(QWidget* parent = nullptr);
    ~OGLWin() override;

    // Loads and shows the window and runs the render loop. Returns true once
    // the loop has ended with the window closed; false at once when the OpenGL
    // set-up failed and the window was unloaded, or when the loop ended
    // because there is no counter to time it (the window stays shown).
    bool Form_Load();

    // Life cycle.
    void Form_Resize();
    void Form_Unload();
    void glView1_Paint();
    void glView1_MouseMove(float X, float Y);
    void glView1_MouseWheel(int Notches);
    // The left button over the view starts a drag that turns and tilts the
    // scene; while it lasts the pointer does not pick. A move with the button
    // no longer held ends it, wherever the release went. Returns whether the
    // move was part of a drag.
    void glView1_MouseDown(float X, float Y);
    bool glView1_MouseDrag(float X, float Y, bool LeftHeld);
    void glView1_MouseUp(float X, float Y);
    // On a body the view follows it; on empty sky it goes home.
    void glView1_DblClick(float X, float Y);

    // Loading without the loop (steps up to the frame timer's start) and one
    // pass of the render loop; Form_Load is the two together.
    bool LoadForm();
    void RenderLoopPass();

    // Drawing: the frame of the view; the same frame at the start placement
    // with a flared Sun; the flared Sun alone.
    void Render_glView1();
    void Render_Temp();
    void FlareSun();

    // Animation rates from the current seconds per year.
    void ComputeRates();
    // One animation step over the frame time `elapsed` (> 0): the angles,
    // and the sky's moment once the sky is real.
    void AnimationStep(double elapsed);

    // Controls.
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
    // Time runs at `rate` from the next frame on; a rate other than the bar's
    // makes the sky real now if it is not yet.
    void ChooseRate(SkyRate rate);
    // The sky's moment jumps `count` calendar days, months or years.
    void StepSky(CalendarUnit unit, int count);
    void mnuschermo_Click();
    void mnusalva_Click();
    void mnucopia_Click();
    void mnuvista_Click(); // "Vista iniziale": back to the designed view
    void mnuesci_Click();
    // A key pressed while the view has the focus; false when it is none of
    // the view's keys. 0 to 9 and L choose a body as the pointer would.
    bool glView1_KeyDown(int Key, Qt::KeyboardModifiers Shift = Qt::NoModifier);

    // The frame as drawn now, at device pixels, without the card; a null
    // image when the view cannot be read back.
    QImage FrameImage();

    // Where the last frame drew each body, when the names or a body chosen
    // from the keyboard asked for it.
    const BodyPlaces& DrawnPlaces() const { return Places; }

    // Makes the sky real at `moment`: the planets stand where they stood
    // then, and from there they follow the sky's clock. Outside the span of
    // computable moments nothing changes and the answer is false.
    bool SetSkyMoment(const QDateTime& moment);

    GlView* glView1 = nullptr;
    QWidget* glView1Container = nullptr;
    QLabel* Label1 = nullptr;
    QScrollBar* HScroll = nullptr;
    QLabel* Label4 = nullptr;
    QScrollBar* HSpeed = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* CmdUP = nullptr;
    QToolButton* CmdLeft = nullptr;
    QToolButton* CmdRight = nullptr;
    QToolButton* CmdDown = nullptr;
    QLabel* Label3 = nullptr;
    QToolButton* CmdRotasiUp = nullptr;
    QToolButton* CmdRotasiDown = nullptr;
    QLabel* lblRotaSi = nullptr;
    QCheckBox* ChkPath = nullptr;
    QCheckBox* ChkCam = nullptr;
    QAction* mnupeta = nullptr;
    QAction* mnuoggi = nullptr;
    QMenu* mnuTempo = nullptr;
    QAction* mnupausa = nullptr;    // "Pausa" / "Riprendi", Space
    QAction* mnuindietro = nullptr; // "Indietro nel tempo", J, a toggle
    QAction* mnudata = nullptr;     // "Vai alla data…", Ctrl+G
    QAction* mnueventi = nullptr;   // "Eventi del cielo…", Ctrl+E
    QAction* mnuadesso = nullptr;   // "Adesso", Ctrl+N
    QMenu* mnuVelocita = nullptr;   // "Velocità del tempo", one rate checked
    std::array<QAction*, kSkyRates.size()> mnurate{}; // in the order of kSkyRates
    QAction* mnuveloce = nullptr;   // "Più veloce", ]
    QAction* mnulento = nullptr;    // "Più lento", [
    QLabel* lblData = nullptr;      // the sky's date, at the right of the menu bar
    QMenu* mnuVista = nullptr;
    QAction* mnuschermo = nullptr; // "Schermo intero", F11
    QAction* mnusalva = nullptr;   // "Salva immagine…", Ctrl+S
    QAction* mnucopia = nullptr;   // "Copia immagine", Ctrl+Shift+C
    QAction* mnunomi = nullptr;    // "Nomi dei corpi", N, a toggle
    QAction* mnuorbite = nullptr;  // "Orbite vere", O, a toggle
    QAction* mnuvista = nullptr;   // "Vista iniziale", Home
    QAction* mnuesci = nullptr;    // Escape, while full screen

    // How the view is turned and what it follows, and the drag that turns it.
    ViewCamera Camera;
    ViewDrag Drag;

    // The moment the planets show once the sky is real.
    SkyClock Sky;

    // The clock that "Posizioni di oggi" reads (tests put a fixed moment here).
    std::function<QDateTime()> SystemClock = &QDateTime::currentDateTimeUtc;
    // Asks where to save a picture or the events, proposing a path; empty
    // when cancelled (tests answer in place of the file dialog).
    std::function<SaveFileAnswer(const QString& proposed)> ChooseSaveFile;
    // The search of "Eventi del cielo…" (tests put one here that lasts until cancelled).
    std::function<decltype(FindSkyEvents)> FindEvents = &FindSkyEvents;
    InfoCard* BodyCard = nullptr; // names the body under the pointer

    // The loop's pacing: when the next frame is due, and how the loop waits
    // for it.
    FramePacer Pacer{OGLModule::SystemCounter()};
    std::unique_ptr<LoopWait> Wait = std::make_unique<EventLoopWait>();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    void ShowTilt();
    FrameInputs CurrentFrameInputs() const;
    void ShowFrame();
    void WaitForFrame();
    void AdvanceSky(double step); // seconds of frame time, negative backwards
    void PlaceSkyBodies();
    void ShowSkyDate();
    void SetTimePaused(bool paused);
    // The moment the dialogs of time start from: the sky's when it is real,
    // else the system clock's, kept within the span.
    QDateTime SceneMoment() const;
    SaveFileAnswer AskSaveFile(QWidget* owner, const SaveFileQuestion& question);
    void CreateTimeRateMenu();
    bool MakeSkyRealNow();
    bool MoveSkyMoment(double step);
    void StopTimeAtEdge();
    void ShowRate();
    QList<QWidget*> ControlStrip() const;
    bool ViewShown() const;
    void FollowViewScale();
    void ChooseBody(std::uint8_t body);
    void ClearChosenBody();
    void FollowChosenBody();
    CameraPose CurrentCameraPose() const;
    void AdvanceCamera();
    void GlideTurn(double degrees);
    void FollowBody(std::uint8_t body);
    // The view settings a glide home starts from; it brings them to the
    // designed ones frame by frame, in whole steps.
    struct HomeStart {
        double tilt = 0;
        int panX = 0;
        int panY = 0;
        int zoom = 0;
    };
    HomeStart HomeFrom;
    double CameraClock = 0; // the frame timer's clock at the last pass, seconds
    double ViewportScale = 0; // the view's device pixel ratio when the viewport was set
    bool ViewHidden = false; // the loop holds the timer's pause for the hidden view
    bool Loaded = false;
    bool TimePaused = false;  // "Pausa" holds the frame timer's pause
    SkyRate Rate = SkyRate::SpeedBar;
    double TimeFactor = 1;      // the frame time's factor for Rate
    bool FollowingClock = false; // "Adesso" runs: the sky takes the system clock's moment
    bool FullScreen = false;
    QByteArray NormalGeometry;   // the window's place and size before full screen
    bool CapturingFrame = false; // the frame is drawn to be read back, not shown
    bool ChosenByKey = false;    // Selected comes from the keyboard, not the pointer
    BodyPlaces Places;           // where the last frame drew each body
    BodyNameLabels Names;        // the names' textures, in the view's context
    PlanetTrack Track;        // the planets' places along the sky's clock
    TrueOrbitLines TruePaths; // the planets' true paths, in the view's context
    // What lblData says: the day, minute or second (SkyDateTextUnit), the
    // rate, and whether time is paused and runs backwards. It is written only
    // when one of them changes.
    struct DateShown {
        std::int64_t unit = std::numeric_limits<std::int64_t>::min(); // none yet
        SkyRate rate = SkyRate::SpeedBar;
        bool paused = false;
        bool backwards = false;
        bool operator==(const DateShown&) const = default;
    };
    DateShown ShownDate;
    OGLModule::GLResources GLOwner;         // the context and quadric of the view
    std::unique_ptr<FrmPeta> PictureWindow; // created on first use, then reused
};
