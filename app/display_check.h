#pragma once

#include "command_line.h"

#include <xcb/xcb.h>

// Qt aborts when it cannot reach the display server it is told to use, so
// the program checks first and stops with one clear line instead. The
// check's connection stays open until Qt has its own: an X server whose last
// client leaves resets itself, and Qt's connection could arrive during the
// reset.
class DisplayCheck {
public:
    // Connects to the display Qt will use: -platform before QT_QPA_PLATFORM,
    // -display before DISPLAY. Other platforms than X11 and Wayland, and no
    // platform named in a Wayland session, are not checked.
    explicit DisplayCheck(const CommandLineOptions& options);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The line to print when the display cannot be reached; null otherwise.
    const char* Failure() const { return failure; }

private:
    xcb_connection_t* x11 = nullptr;
    int wayland = -1;
    const char* failure = nullptr;
};
