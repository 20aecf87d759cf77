#pragma once

#include "view_keys.h"

#include <QList>
#include <QSize>

class GlView;
class QCheckBox;
class QLabel;
class QMainWindow;
class QScrollBar;
class QToolButton;
class QWidget;

// The client area as designed: the client's size at start.
inline constexpr QSize kClientSize(792, 508);
// Height of the view as designed, at the start size; a taller window gives
// the view its extra height and keeps the row of controls at the bottom.
inline constexpr int kViewHeight = 473;

// The view and the row of controls under it, at their designed places.
struct MainControls {
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

    // The row of controls under the view, as shown in the window.
    QList<QWidget*> Strip() const;

    // Puts the row of controls under a view `viewHeight` high, at their
    // designed places when it is the designed height.
    void StandUnder(int viewHeight);

private:
    int RowShift = 0; // how far the row stands below its designed places
};

// Makes the window's grey client area with `view` and the controls in it, in
// their keyboard order.
MainControls CreateMainControls(QMainWindow& window, GlView* view);

// A key's command that works a control does it through the control itself,
// so that labels and bars stay in step: the arrows press "Quadro"'s buttons,
// the bars move by their small steps.
void PressControl(const MainControls& controls, ViewCommand command);
