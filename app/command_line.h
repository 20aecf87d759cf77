#pragma once

#include "events_request.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What the command line asks of the program's run.
struct CommandLineOptions {
    // At most this many frames per second, in place of the screen's refresh
    // rate; 0 draws as fast as the machine allows. Empty: the screen's rate.
    std::optional<int> maxFps;
    // Start from the planets' positions at this moment (UTC) instead of all
    // in a row. Empty: the usual start.
    std::optional<QDateTime> startMoment;
    // Qt's -platform and -display as given on the command line: the check
    // of the display before Qt starts must look where Qt will. Empty: not
    // given.
    std::optional<QString> platform;
    std::optional<QString> display;
    // Print the sky's events of a period instead of opening the window.
    std::optional<EventsRequest> events;
};

// The command line asked for text instead of a run (--help, --version), or
// was refused: what to print and the exit status. Status 0 prints on
// standard output, any other on standard error.
struct CommandLineExit {
    int status = 0;
    QString text;
};

inline constexpr int kCommandLineErrorStatus = 2;

// Reads the program's arguments (its own name first). Qt's standard options
// (-platform, -display, -style...) are taken and left to QApplication, which
// reads them from the same arguments. Needs no display and no application
// object.
std::variant<CommandLineOptions, CommandLineExit> ParseCommandLine(const QStringList& arguments);

// The value given to --lang, found ahead of the rest so that the rest is read
// in that language: whether the program speaks it is ParseCommandLine's to
// check. Empty: not given.
std::optional<QString> LanguageArgument(const QStringList& arguments);

// Prints what a CommandLineExit carries and returns its status.
int ReportCommandLineExit(const CommandLineExit& exit);
