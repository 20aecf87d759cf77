#include "command_line.h"

#include "date_option.h"
#include "texts_app.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr char kProgramName[] = "solar-system";
constexpr int kMaxFpsLimit = 1000;

// An option that takes a value. Reading the value either stores it in the
// options or returns why it was refused (empty when it was accepted). An
// option without `read` is read after the others, with the values it goes
// with.
struct ValueOption {
    const char* name;
    const char* valueName;
    // Called when the help is asked for, in the language then in use.
    QString (*description)();
    std::function<QString(const QString& value, CommandLineOptions& options)> read;
};

QString ReadMaxFps(const QString& value, CommandLineOptions& options)
{
    bool isNumber = false;
    const int fps = value.toInt(&isNumber);
    if (!isNumber || fps < 0 || fps > kMaxFpsLimit) {
        return CommandLineText::MaxFpsRefused(kMaxFpsLimit, value);
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

// The language was chosen from the arguments before they were read: here
// only its value is checked.
QString ReadLanguage(const QString& value, CommandLineOptions&)
{
    return ProgramLanguages().contains(value) ? QString() : CommandLineText::LanguageRefused(ProgramLanguages(), value);
}

// Every option with a value, in the order the help lists them.
const std::vector<ValueOption>& ValueOptions()
{
    static const std::vector<ValueOption> options{
        {"max-fps", "N", CommandLineText::MaxFpsOption, ReadMaxFps},
        {"date", "WHEN", CommandLineText::DateOption, ReadDate},
        // The help shows the value's name in angle brackets: TO, the
        // positional argument that follows, gets its own pair.
        {"events", "FROM> <TO", CommandLineText::EventsOption, nullptr},
        {"format", "csv|ics", CommandLineText::FormatOption, nullptr},
        {"lang", "it|en", CommandLineText::LanguageOption, ReadLanguage},
    };
    return options;
}

// Qt's standard options, as QGuiApplication, QApplication and Qt's X11
// platform take them. They are accepted here only so that they are not
// refused: QApplication reads them itself from the untouched arguments.
enum class QtValue {
    None,
    Apart,         // "-platform xcb"; Qt passes over "-platform=xcb"
    ApartOrJoined, // "-style Fusion" or "-style=Fusion"
};

struct QtOption {
    const char* name;
    QtValue value;
};

using enum QtValue;
constexpr QtOption kQtOptions[] = {
    // QGuiApplication's.
    {"platform", Apart}, {"platformpluginpath", Apart}, {"platformtheme", Apart}, {"plugin", Apart},
    {"qmljsdebugger", ApartOrJoined}, {"qwindowgeometry", Apart}, {"qwindowicon", Apart},
    {"qwindowtitle", Apart}, {"reverse", None}, {"session", Apart},
    // QApplication's.
    {"style", ApartOrJoined}, {"stylesheet", ApartOrJoined}, {"widgetcount", None},
    // Qt's X11 platform's.
    {"display", Apart}, {"geometry", Apart}, {"name", Apart}, {"title", Apart}, {"visual", Apart},
    {"nograb", None}, {"dograb", None},
    // X11 options of earlier Qt, which Qt 6 passes over: taken so that such
    // command lines still start.
    {"ncols", ApartOrJoined}, {"cmap", None}, {"sync", None},
};

// One option as typed on the command line.
struct TypedOption {
    QString typed; // with its dashes, without "=value"
    QString name;  // without either
    std::optional<QString> joinedValue;
};

// The options as typed, up to "--". The parser names options without their
// dashes or value, and refusals quote them as typed. Values given apart are
// stepped over, so that in "--date -x" the "-x" is no option.
std::vector<TypedOption> TypedOptions(const QStringList& arguments, const QStringList& valueNames)
{
    std::vector<TypedOption> options;
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        if (argument == QLatin1String("--")) {
            break;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        TypedOption option{argument.left(equals), {}, {}};
        option.name = option.typed.mid(option.typed.startsWith(QLatin1String("--")) ? 2 : 1);
        if (equals >= 0) {
            option.joinedValue = argument.mid(equals + 1);
        } else if (valueNames.contains(option.name)) {
            ++index;
        }
        options.push_back(option);
    }
    return options;
}

CommandLineExit Refusal(const QString& reason)
{
    QString sentence = reason;
    if (sentence.endsWith(QLatin1Char('.'))) {
        sentence.chop(1);
    }
    return {kCommandLineErrorStatus, CommandLineText::Refusal(QString::fromLatin1(kProgramName), sentence)};
}

// The parser of every option the program takes, and the names of those
// that take a value.
struct OptionsParser {
    QCommandLineParser parser;
    std::vector<QCommandLineOption> valueOptions;
    QStringList valueNames;
    QStringList apartOnlyNames;
};

std::unique_ptr<OptionsParser> MakeParser()
{
    auto made = std::make_unique<OptionsParser>();
    QCommandLineParser& parser = made->parser;
    parser.setApplicationDescription(CommandLineText::Description());
    // "-platform" is one option, as Qt reads it, not the letters p, l, a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not the parser's own help option, which would offer Qt's options too.
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, CommandLineText::HelpOption()});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, CommandLineText::VersionOption()});
    for (const ValueOption& option : ValueOptions()) {
        made->valueOptions.emplace_back(QString::fromLatin1(option.name), option.description(),
                                        QString::fromLatin1(option.valueName));
        parser.addOption(made->valueOptions.back());
        made->valueNames << QString::fromLatin1(option.name);
    }
    for (const QtOption& option : kQtOptions) {
        QCommandLineOption qtOption(QString::fromLatin1(option.name));
        if (option.value != None) {
            qtOption.setValueName(QStringLiteral("value"));
            made->valueNames << qtOption.names().first();
        }
        if (option.value == Apart) {
            made->apartOnlyNames << qtOption.names().first();
        }
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    return made;
}

} // namespace

std::optional<QString> LanguageArgument(const QStringList& arguments)
{
    const auto made = MakeParser();
    made->parser.parse(arguments);
    const QString lang = QStringLiteral("lang");
    return made->parser.isSet(lang) ? std::optional(made->parser.value(lang)) : std::nullopt;
}

std::variant<CommandLineOptions, CommandLineExit> ParseCommandLine(const QStringList& arguments)
{
    const auto made = MakeParser();
    QCommandLineParser& parser = made->parser;
    const std::vector<QCommandLineOption>& valueOptions = made->valueOptions;
    const QStringList& valueNames = made->valueNames;
    const QStringList& apartOnlyNames = made->apartOnlyNames;

    const bool parsed = parser.parse(arguments);
    const std::vector<TypedOption> typedOptions = TypedOptions(arguments, valueNames);
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString unknown = parser.unknownOptionNames().first();
        const auto typed = std::find_if(typedOptions.begin(), typedOptions.end(),
                                        [&](const TypedOption& option) { return option.name == unknown; });
        const QString named = typed != typedOptions.end() ? typed->typed : QStringLiteral("--") + unknown;
        return Refusal(CommandLineText::UnknownOption(named));
    }
    if (!parsed) {
        return Refusal(parser.errorText());
    }
    // --events takes its TO as the one argument after the options.
    const QStringList positional = parser.positionalArguments();
    const qsizetype allowedPositional = parser.isSet(QStringLiteral("events")) ? 1 : 0;
    if (positional.size() > allowedPositional) {
        return Refusal(CommandLineText::UnexpectedArgument(positional[allowedPositional]));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        // The parser names the program as it was started, or by a stand-in
        // when there is no application object yet.
        QString help = parser.helpText();
        const QString started = QCoreApplication::instance() != nullptr ? QCoreApplication::arguments().constFirst()
                                                                        : QStringLiteral("<executable_name>");
        help.replace(help.indexOf(started), started.size(), QString::fromLatin1(kProgramName));
        return CommandLineExit{0, help};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return CommandLineExit{0, QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(SOLAR_VERSION))};
    }

    // Qt would leave "-platform=xcb" aside as no option of its own, and the
    // program would start elsewhere than asked.
    for (const TypedOption& option : typedOptions) {
        if (option.joinedValue && apartOnlyNames.contains(option.name)) {
            return Refusal(CommandLineText::ValueApart(option.typed, *option.joinedValue));
        }
    }

    CommandLineOptions options;
    for (std::size_t index = 0; index < valueOptions.size(); ++index) {
        const QCommandLineOption& option = valueOptions[index];
        if (!parser.isSet(option) || !ValueOptions()[index].read) {
            continue;
        }
        const QString refusal = ValueOptions()[index].read(parser.value(option), options);
        if (!refusal.isEmpty()) {
            return Refusal(refusal);
        }
    }
    const auto valueOf = [&parser](const char* name) -> std::optional<QString> {
        const QString option = QString::fromLatin1(name);
        return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
    };
    if (parser.isSet(QStringLiteral("events")) || parser.isSet(QStringLiteral("format"))) {
        const auto to = positional.isEmpty() ? std::nullopt : std::optional(positional.first());
        auto request = ReadEventsRequest(valueOf("events"), to, valueOf("format"));
        if (const auto* refusal = std::get_if<QString>(&request)) {
            return Refusal(*refusal);
        }
        options.events = std::get<EventsRequest>(request);
    }
    // The last one given counts, as for Qt.
    options.platform = valueOf("platform");
    options.display = valueOf("display");
    return options;
}

int ReportCommandLineExit(const CommandLineExit& exit)
{
    std::FILE* stream = exit.status == 0 ? stdout : stderr;
    std::fputs(exit.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return exit.status;
}
