#include "display_check.h"

#include "texts_app.h"

#include <QByteArray>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace {

using WindowSystem = DisplayCheck::WindowSystem;

WindowSystem WindowSystemOf(const QByteArray& platform)
{
    if (platform.isEmpty() || platform.startsWith("xcb")) {
        return WindowSystem::X11;
    }
    return platform.startsWith("wayland") ? WindowSystem::Wayland : WindowSystem::Unchecked;
}

// The window systems Qt will try, in order: -platform on the command line
// wins over QT_QPA_PLATFORM, as it does for Qt, and either may name several
// platforms separated by ';'.
std::vector<WindowSystem> WindowSystemsOf(const CommandLineOptions& options)
{
    std::optional<QByteArray> platforms;
    if (options.platform) {
        platforms = options.platform->toLocal8Bit();
    } else if (const char* environment = std::getenv("QT_QPA_PLATFORM"); environment != nullptr) {
        platforms = QByteArray(environment);
    }
    if (!platforms) {
        // Nothing named: where a Wayland session is announced, Qt may well
        // choose it, so X is not insisted on.
        return {WaylandDisplayAnnounced() ? WindowSystem::Unchecked : WindowSystem::X11};
    }
    std::vector<WindowSystem> systems;
    for (const QByteArray& platform : platforms->split(';')) {
        systems.push_back(WindowSystemOf(platform));
    }
    return systems;
}

// A stream connection to the Wayland compositor's socket, found as Wayland
// clients find it; -1 when it cannot be reached.
int ConnectToWayland()
{
    QByteArray path = WaylandDisplayName();
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

bool WaylandDisplayAnnounced()
{
    const char* name = std::getenv("WAYLAND_DISPLAY");
    return name != nullptr && *name != '\0';
}

QByteArray WaylandDisplayName()
{
    return WaylandDisplayAnnounced() ? QByteArray(std::getenv("WAYLAND_DISPLAY")) : QByteArray("wayland-0");
}

// The first window system that can be reached passes; when none can, the
// line is the first one's.
DisplayCheck::DisplayCheck(const CommandLineOptions& options)
{
    QByteArray firstFailure;
    for (const WindowSystem system : WindowSystemsOf(options)) {
        failure.clear();
        if (Reach(system, options)) {
            return;
        }
        firstFailure = firstFailure.isEmpty() ? failure : firstFailure;
    }
    failure = firstFailure;
}

bool DisplayCheck::Reach(WindowSystem system, const CommandLineOptions& options)
{
    switch (system) {
    case WindowSystem::X11:
        x11 = xcb_connect(options.display ? options.display->toLocal8Bit().constData() : nullptr, nullptr);
        if (xcb_connection_has_error(x11) != 0) {
            xcb_disconnect(x11);
            x11 = nullptr;
            failure = MessageText::NoX11Display().toLocal8Bit();
            return false;
        }
        return true;
    case WindowSystem::Wayland:
        // A compositor that starts the program hands it a connection
        // in WAYLAND_SOCKET; there is nothing to look for then.
        if (std::getenv("WAYLAND_SOCKET") != nullptr) {
            return true;
        }
        wayland = ConnectToWayland();
        if (wayland < 0) {
            failure = MessageText::NoWaylandDisplay().toLocal8Bit();
            return false;
        }
        return true;
    case WindowSystem::Unchecked:
        break;
    }
    return true;
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
