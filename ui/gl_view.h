#pragma once

#include <QWindow>

class OGLWin;

// The native drawing surface of the 3-D view. It passes its repaints and the
// pointer's moves on to the main window's event procedures.
class GlView final : public QWindow {
public:
    explicit GlView(OGLWin& owner);

protected:
    void exposeEvent(QExposeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    OGLWin& Owner;
};
