#include "display_check.h"

#include <QByteArray>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

// The window system Qt will open, as far as the check below cares.
enum class WindowSystem { Unchecked, X11, Wayland };

// -platform on the command line wins over QT_QPA_PLATFORM, as it does for Qt.
WindowSystem WindowSystemOf(const CommandLineOptions& options)
{
    std::optional<QByteArray> platform;
    if (options.platform) {
        platform = options.platform->toLocal8Bit();
    } else if (const char* environment = std::getenv("QT_QPA_PLATFORM"); environment != nullptr) {
        platform = QByteArray(environment);
    }
    if (!platform) {
        // Nothing named: where a Wayland session is announced, Qt may well
        // choose it, so X is not insisted on.
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        return wayland != nullptr && *wayland != '\0' ? WindowSystem::Unchecked : WindowSystem::X11;
    }
    if (platform->isEmpty() || platform->startsWith("xcb")) {
        return WindowSystem::X11;
    }
    return platform->startsWith("wayland") ? WindowSystem::Wayland : WindowSystem::Unchecked;
}

// A stream connection to the Wayland compositor's socket, found as Wayland
// clients find it; -1 when it cannot be reached.
int ConnectToWayland()
{
    const char* name = std::getenv("WAYLAND_DISPLAY");
    QByteArray path = name != nullptr && *name != '\0' ? QByteArray(name) : QByteArray("wayland-0");
    if (!path.startsWith('/')) {
        const char* runtimeDirectory = std::getenv("XDG_RUNTIME_DIR");
        if (runtimeDirectory == nullptr || *runtimeDirectory == '\0') {
            return -1;
        }
        path = QByteArray(runtimeDirectory) + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return -1;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()) + 1);
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection >= 0 && ::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(connection);
        return -1;
    }
    return connection;
}

} // namespace

DisplayCheck::DisplayCheck(const CommandLineOptions& options)
{
    switch (WindowSystemOf(options)) {
    case WindowSystem::X11:
        x11 = xcb_connect(options.display ? options.display->toLocal8Bit().constData() : nullptr, nullptr);
        if (xcb_connection_has_error(x11) != 0) {
            failure = "Il sistema solare: cannot open a display; set DISPLAY to a running X server.\n";
        }
        break;
    case WindowSystem::Wayland:
        // A compositor that starts the program hands it a connection
        // in WAYLAND_SOCKET; there is nothing to look for then.
        if (std::getenv("WAYLAND_SOCKET") == nullptr) {
            wayland = ConnectToWayland();
            if (wayland < 0) {
                failure = "Il sistema solare: cannot open a display; "
                          "set WAYLAND_DISPLAY to a running Wayland compositor.\n";
            }
        }
        break;
    case WindowSystem::Unchecked:
        break;
    }
}

DisplayCheck::~DisplayCheck()
{
    if (x11 != nullptr) {
        xcb_disconnect(x11);
    }
    if (wayland >= 0) {
        ::close(wayland);
    }
}
