// The window's wiring: each control and menu item to its procedure.

#include "ogl_win.h"

#include "xp_module.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolButton>

void OGLWin::ConnectControls()
{
    connect(Ui.CmdUP, &QToolButton::clicked, this, &OGLWin::CmdUP_Click);
    connect(Ui.CmdDown, &QToolButton::clicked, this, &OGLWin::CmdDown_Click);
    connect(Ui.CmdLeft, &QToolButton::clicked, this, &OGLWin::CmdLeft_Click);
    connect(Ui.CmdRight, &QToolButton::clicked, this, &OGLWin::CmdRight_Click);
    connect(Ui.CmdRotasiUp, &QToolButton::clicked, this, &OGLWin::CmdRotasiUp_Click);
    connect(Ui.CmdRotasiDown, &QToolButton::clicked, this, &OGLWin::CmdRotasiDown_Click);
    // Moves of the thumb while it is dragged are Scroll events; arrow, track
    // and keyboard changes are Change events.
    connect(Ui.HScroll, &QScrollBar::valueChanged, this, [this] {
        if (Ui.HScroll->isSliderDown()) {
            HScroll_Scroll();
        } else {
            HScroll_Change();
        }
    });
    connect(Ui.HSpeed, &QScrollBar::valueChanged, this, &OGLWin::HSpeed_Change);
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        button->installEventFilter(this);
    }
}

void OGLWin::ConnectMenus()
{
    connect(mnupeta, &QAction::triggered, this, &OGLWin::mnupeta_Click);
    connect(mnuoggi, &QAction::triggered, this, &OGLWin::mnuoggi_Click);
    connect(Tempo.mnupausa, &QAction::triggered, this, &OGLWin::mnupausa_Click);
    connect(Tempo.mnuindietro, &QAction::triggered, this, &OGLWin::mnuindietro_Click);
    connect(Tempo.mnudata, &QAction::triggered, this, &OGLWin::mnudata_Click);
    connect(Tempo.mnueventi, &QAction::triggered, this, &OGLWin::mnueventi_Click);
    connect(Tempo.mnuadesso, &QAction::triggered, this, &OGLWin::mnuadesso_Click);
    for (std::size_t i = 0; i < kSkyRates.size(); ++i) {
        connect(Tempo.mnurate[i], &QAction::triggered, this, [this, rate = kSkyRates[i]] { ChooseRate(rate); });
    }
    connect(Tempo.mnuveloce, &QAction::triggered, this,
            [this] { ChooseRate(FasterRate(Time.Rate(), XPModule::SecondsPerYear)); });
    connect(Tempo.mnulento, &QAction::triggered, this,
            [this] { ChooseRate(SlowerRate(Time.Rate(), XPModule::SecondsPerYear)); });
    for (const TimeMenu::StepItem& step : Tempo.steps) {
        connect(step.action, &QAction::triggered, this, [this, step] { StepSky(step.unit, step.count); });
    }
    connect(Vista.mnuschermo, &QAction::triggered, this, &OGLWin::mnuschermo_Click);
    connect(Vista.mnuesci, &QAction::triggered, this, &OGLWin::mnuesci_Click);
    connect(Vista.mnusalva, &QAction::triggered, this, &OGLWin::mnusalva_Click);
    connect(Vista.mnucopia, &QAction::triggered, this, &OGLWin::mnucopia_Click);
    connect(Vista.mnuvista, &QAction::triggered, this, &OGLWin::mnuvista_Click);
    connect(Vista.mnuorbite, &QAction::triggered, this, &OGLWin::mnuorbite_Click);
    connect(Aiuto.mnutasti, &QAction::triggered, this, &OGLWin::mnutasti_Click);
    connect(Aiuto.mnuinformazioni, &QAction::triggered, this, &OGLWin::mnuinformazioni_Click);
    connect(Vista.mnulune, &QAction::toggled, this, &OGLWin::ShowMoons);
    ConnectSkyMenus();
    Time.Refused = [this](SkyTime::Refusal refusal, const QDateTime& at) { TimeRefused(refusal, at); };
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
