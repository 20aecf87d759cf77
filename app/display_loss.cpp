#include "display_loss.h"

#include "display_check.h"
#include "texts_app.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <xcb/xcb.h>

#include <unistd.h>

#include <array>
#include <algorithm>

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

// The line with as much of the display's name as the buffer leaves room for.
void ComposeLine(const QByteArray& displayName)
{
    const qsizetype room =
        static_cast<qsizetype>(LostDisplayLine.size()) - MessageText::DisplayLost({}).toLocal8Bit().size();
    const QString name = QString::fromLocal8Bit(displayName.left(std::max<qsizetype>(room, 0)));
    const QByteArray line = MessageText::DisplayLost(name).toLocal8Bit();
    LostDisplayLineLength = std::min(static_cast<std::size_t>(line.size()), LostDisplayLine.size());
    std::copy_n(line.constData(), LostDisplayLineLength, LostDisplayLine.data());
}

} // namespace

void EndCleanlyOnDisplayLoss()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const QByteArray name = WaylandDisplayName();
        ComposeLine(name);
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
    ComposeLine(QByteArray(name));
    XSetIOErrorHandler(OnXlibIOError);
    PreviousMessageHandler = qInstallMessageHandler(OnQtMessageOnX11);
}
