#include "command_line.h"
#include "display_loss.h"
#include "window_font.h"
#include "xp_main.h"

#include <QApplication>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Qt aborts when it cannot reach the X server it is told to use, so the
// program checks first and stops with one clear line instead. The check's
// connection stays open until Qt has its own: an X server whose last client
// leaves resets itself, and Qt's connection could arrive during the reset.
class DisplayCheck {
public:
    DisplayCheck()
    {
        const char* platform = std::getenv("QT_QPA_PLATFORM");
        const bool usesX11 = platform == nullptr || *platform == '\0' || QByteArray(platform).startsWith("xcb");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (usesX11 && !(platform == nullptr && wayland != nullptr && *wayland != '\0')) {
            connection = xcb_connect(nullptr, nullptr);
        }
    }
    ~DisplayCheck()
    {
        if (connection != nullptr) {
            xcb_disconnect(connection);
        }
    }
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    bool Reachable() const { return connection == nullptr || xcb_connection_has_error(connection) == 0; }

private:
    xcb_connection_t* connection = nullptr;
};

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    const auto commandLine = ParseCommandLine(arguments);
    if (const auto* exit = std::get_if<CommandLineExit>(&commandLine)) {
        return ReportCommandLineExit(*exit);
    }
    auto displayCheck = std::make_unique<DisplayCheck>();
    if (!displayCheck->Reachable()) {
        std::fputs("Il sistema solare: cannot open a display; set DISPLAY to a running X server.\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    displayCheck.reset();
    EndCleanlyOnDisplayLoss();
    QApplication::setApplicationName(QStringLiteral("Il sistema solare"));
    UseWindowFont();
    return XPModule::Main(std::get<CommandLineOptions>(commandLine));
}
