#pragma once

#include "command_line.h"

#include <QByteArray>

#include <xcb/xcb.h>

// Whether WAYLAND_DISPLAY names a compositor, and the name Wayland clients
// use: WAYLAND_DISPLAY, or "wayland-0" when it is unset or empty.
bool WaylandDisplayAnnounced();
QByteArray WaylandDisplayName();

// Qt aborts when it cannot reach the display server it is told to use, so
// the program checks first and stops with one clear line instead. The
// check's connection stays open until Qt has its own: an X server whose last
// client leaves resets itself, and Qt's connection could arrive during the
// reset.
class DisplayCheck {
public:
    // Connects to the display Qt will use: -platform before QT_QPA_PLATFORM,
    // -display before DISPLAY; of a list of platforms, the first that can be
    // reached. Other platforms than X11 and Wayland, and no platform named
    // in a Wayland session, are not checked.
    explicit DisplayCheck(const CommandLineOptions& options);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The line to print when the display cannot be reached; null otherwise.
    const char* Failure() const { return failure.isEmpty() ? nullptr : failure.constData(); }

    // The window system a platform name stands for, as far as the check cares.
    enum class WindowSystem { Unchecked, X11, Wayland };

private:
    bool Reach(WindowSystem system, const CommandLineOptions& options);

    xcb_connection_t* x11 = nullptr;
    int wayland = -1;
    QByteArray failure;
};
