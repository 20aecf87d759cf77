#include "display_loss.h"

#include "display_check.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <unistd.h>

#include <array>
#include <algorithm>
#include <string_view>

namespace {

// Kept as plain characters: the line is written while the process goes down,
// possibly from Qt's event-reader thread, so it must not allocate.
std::array<char, 256> LostDisplayLine{};
std::size_t LostDisplayLineLength = 0;

QtMessageHandler PreviousMessageHandler = nullptr;
xcb_connection_t* QtConnection = nullptr; // X11 only

[[noreturn]] void EndForLostDisplay()
{
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, LostDisplayLine.data(), LostDisplayLineLength);
    _exit(1);
}

int OnXlibIOError(Display* /*display*/)
{
    EndForLostDisplay();
}

// Once the connection has broken, Qt's xcb platform warns about it (and about
// whatever failed on the way, such as shared-memory images) and then calls
// exit(); the program's own line takes the place of all of that.
void OnQtMessageOnX11(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (xcb_connection_has_error(QtConnection) != 0) {
        EndForLostDisplay();
    }
    PreviousMessageHandler(type, context, message);
}

// Qt's Wayland platform gives no access to its connection, but when the
// connection fails it says so in one of two warnings that start alike
// ("... broke. Did the Wayland compositor die?", "... experienced a fatal
// error: ...") and then ends the process; the program's own line takes
// their place.
void OnQtMessageOnWayland(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("The Wayland connection "))) {
        EndForLostDisplay();
    }
    PreviousMessageHandler(type, context, message);
}

void ComposeLine(std::string_view displayName)
{
    constexpr std::string_view kBefore = "Il sistema solare: lost the connection to the display \"";
    constexpr std::string_view kAfter = "\"; the program ends.\n";
    const std::size_t nameLength =
        std::min(displayName.size(), LostDisplayLine.size() - kBefore.size() - kAfter.size());
    char* out = LostDisplayLine.data();
    out = std::copy(kBefore.begin(), kBefore.end(), out);
    out = std::copy_n(displayName.begin(), nameLength, out);
    out = std::copy(kAfter.begin(), kAfter.end(), out);
    LostDisplayLineLength = static_cast<std::size_t>(out - LostDisplayLine.data());
}

} // namespace

void EndCleanlyOnDisplayLoss()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const QByteArray name = WaylandDisplayName();
        ComposeLine(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
        PreviousMessageHandler = qInstallMessageHandler(OnQtMessageOnWayland);
        return;
    }
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr || x11->connection() == nullptr) {
        return;
    }
    QtConnection = x11->connection();
    const char* name = DisplayString(display);
    ComposeLine(name != nullptr ? std::string_view(name) : std::string_view());
    XSetIOErrorHandler(OnXlibIOError);
    PreviousMessageHandler = qInstallMessageHandler(OnQtMessageOnX11);
}
