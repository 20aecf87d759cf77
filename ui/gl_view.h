#pragma once

#include "wheel_notches.h"

#include <QWindow>

class OGLWin;
class QWidget;

// The native drawing surface of the 3-D view. It passes its repaints, the
// pointer's moves and the left button's presses, releases and double clicks,
// the wheel's whole notches and its keys on to the main window's event
// procedures; a click gives the view the keyboard focus.
class GlView final : public QWindow {
public:
    explicit GlView(OGLWin& owner);
    // The widget that embeds the view in the window, which takes the focus.
    void SetContainer(QWidget* container) { Container = container; }

protected:
    void exposeEvent(QExposeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    OGLWin& Owner;
    QWidget* Container = nullptr;
    WheelNotches Wheel;
};
