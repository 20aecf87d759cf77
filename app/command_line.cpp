#include "command_line.h"

#include "sky_moment.h"

#include <QCommandLineParser>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr char kProgramName[] = "solar-system";
constexpr int kMaxFpsLimit = 1000;

// An option that takes a value. Reading the value either stores it in the
// options or returns why it was refused (empty when it was accepted).
struct ValueOption {
    const char* name;
    const char* valueName;
    QString description;
    std::function<QString(const QString& value, CommandLineOptions& options)> read;
};

QString ReadMaxFps(const QString& value, CommandLineOptions& options)
{
    bool isNumber = false;
    const int fps = value.toInt(&isNumber);
    if (!isNumber || fps < 0 || fps > kMaxFpsLimit) {
        return QStringLiteral("--max-fps takes a whole number from 0 to %1, not '%2'").arg(kMaxFpsLimit).arg(value);
    }
    options.maxFps = fps;
    return {};
}

QString ReadDate(const QString& value, CommandLineOptions& options)
{
    auto moment = ParseDateOption(value);
    if (const auto* refusal = std::get_if<QString>(&moment)) {
        return *refusal;
    }
    options.startMoment = std::get<QDateTime>(moment);
    return {};
}

// Every option with a value, in the order the help lists them.
const std::vector<ValueOption>& ValueOptions()
{
    static const std::vector<ValueOption> options{
        {"max-fps", "N",
         QStringLiteral("Draw at most N frames per second instead of one per refresh of the screen; "
                        "0 draws as many as the machine can."),
         ReadMaxFps},
        {"date", "WHEN",
         QStringLiteral("Start with the planets where they stand at WHEN: an ISO 8601 date (2026-12-08) "
                        "or date and time (2026-12-08T21:30:00Z; UTC unless a zone is given), from %1.")
             .arg(SkyRangeText()),
         ReadDate},
    };
    return options;
}

CommandLineExit Refusal(const QString& reason)
{
    QString sentence = reason;
    if (sentence.endsWith(QLatin1Char('.'))) {
        sentence.chop(1);
    }
    return {kCommandLineErrorStatus, QStringLiteral("%1: %2. Try '%1 --help'.\n").arg(kProgramName, sentence)};
}

} // namespace

std::variant<CommandLineOptions, CommandLineExit> ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Il sistema solare: the Sun, the planets and the Moon in motion."));
    // Not the parser's own help option, which would offer Qt's options too.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({help, version});
    std::vector<QCommandLineOption> valueOptions;
    for (const ValueOption& option : ValueOptions()) {
        valueOptions.emplace_back(QString::fromLatin1(option.name), option.description,
                                  QString::fromLatin1(option.valueName));
        parser.addOption(valueOptions.back());
    }

    if (!parser.parse(arguments)) {
        return Refusal(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Refusal(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(help)) {
        return CommandLineExit{0, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                             QString::fromLatin1(kProgramName))};
    }
    if (parser.isSet(version)) {
        return CommandLineExit{0, QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(SOLAR_VERSION))};
    }

    CommandLineOptions options;
    for (std::size_t index = 0; index < valueOptions.size(); ++index) {
        const QCommandLineOption& option = valueOptions[index];
        if (!parser.isSet(option)) {
            continue;
        }
        const QString refusal = ValueOptions()[index].read(parser.value(option), options);
        if (!refusal.isEmpty()) {
            return Refusal(refusal);
        }
    }
    return options;
}

int ReportCommandLineExit(const CommandLineExit& exit)
{
    std::FILE* stream = exit.status == 0 ? stdout : stderr;
    std::fputs(exit.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exit.status;
}
