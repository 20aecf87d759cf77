#pragma once

#include "ogl_win.h"

#include <QApplication>

// The window's widgets as the tests and the benchmark reach them.
class WindowParts {
public:
    static MainControls& Controls(OGLWin& window) { return window.Ui; }
    static TimeMenu& Time(OGLWin& window) { return window.Tempo; }
    static ViewMenu& View(OGLWin& window) { return window.Vista; }
    static InfoCard* Card(OGLWin& window) { return window.BodyCard; }
    static QAction* Picture(OGLWin& window) { return window.mnupeta; }
    static QAction* Today(OGLWin& window) { return window.mnuoggi; }
    static HelpMenu& Help(OGLWin& window) { return window.Aiuto; }
    static const QLabel* FullScreenHint(OGLWin& window) { return window.FullScreen.Hint(); }
    static void AdoptSky(OGLWin& window, const std::shared_ptr<const SkyBackdropData>& sky)
    {
        window.AdoptSkyData(sky);
    }
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

// The main window the program shows, if one is up.
inline OGLWin* ShownMainWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<OGLWin*>(widget); window != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}
