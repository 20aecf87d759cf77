#include "command_line.h"
#include "display_check.h"
#include "display_loss.h"
#include "events_export.h"
#include "program_language.h"
#include "standard_streams.h"
#include "window_font.h"
#include "xp_main.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>

int main(int argc, char* argv[])
{
    // A write racing the display server's end must not kill the process by
    // signal: it fails instead, and the display loss is reported as such.
    std::signal(SIGPIPE, SIG_IGN);
    KeepClosedStandardStreamsClosed();
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    // Translations need an application object, and the window's needs a
    // display: until the display is known to be there, a plain one serves.
    auto startUp = std::make_unique<QCoreApplication>(argc, argv);
    const Translations translations = UseProgramLanguage(arguments);
    const auto commandLine = ParseCommandLine(arguments);
    if (const auto* exit = std::get_if<CommandLineExit>(&commandLine)) {
        return ReportCommandLineExit(*exit);
    }
    const auto& options = std::get<CommandLineOptions>(commandLine);
    if (options.events) {
        return ExportSkyEvents(*options.events, stdout);
    }
    auto displayCheck = std::make_unique<DisplayCheck>(options);
    if (const char* failure = displayCheck->Failure(); failure != nullptr) {
        std::fputs(failure, stderr);
        return EXIT_FAILURE;
    }
    startUp.reset();
    QApplication application(argc, argv);
    translations.Install(Translations::Words::ProgramAndQt);
    displayCheck.reset();
    EndCleanlyOnDisplayLoss();
    QApplication::setApplicationName(QStringLiteral("Il sistema solare"));
    UseWindowFont();
    return XPModule::Main(options);
}
