#pragma once

#include "wheel_notches.h"

#include <QWindow>

class OGLWin;

// The native drawing surface of the 3-D view. It passes its repaints, the
// pointer's moves and the wheel's whole notches on to the main window's event
// procedures.
class GlView final : public QWindow {
public:
    explicit GlView(OGLWin& owner);

protected:
    void exposeEvent(QExposeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    OGLWin& Owner;
    WheelNotches Wheel;
};
