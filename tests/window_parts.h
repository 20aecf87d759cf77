#pragma once

#include "ogl_win.h"

// The window's widgets as the tests and the benchmark reach them.
class WindowParts {
public:
    static MainControls& Controls(OGLWin& window) { return window.Ui; }
    static TimeMenu& Time(OGLWin& window) { return window.Tempo; }
    static ViewMenu& View(OGLWin& window) { return window.Vista; }
    static InfoCard* Card(OGLWin& window) { return window.BodyCard; }
    static QAction* Picture(OGLWin& window) { return window.mnupeta; }
    static QAction* Today(OGLWin& window) { return window.mnuoggi; }
};

inline MainControls& Ui(OGLWin& window)
{
    return WindowParts::Controls(window);
}

inline TimeMenu& Tempo(OGLWin& window)
{
    return WindowParts::Time(window);
}

inline ViewMenu& Vista(OGLWin& window)
{
    return WindowParts::View(window);
}
