#include "texts.h"

#include <QCoreApplication>

// The command line's words are English, as the program's options are.
namespace CommandLineText {

QString Description()
{
    return QCoreApplication::translate("CommandLine",
                                       "Il sistema solare: the Sun, the planets and the Moon in motion.\n"
                                       "Qt's standard options (-platform, -display, -style...) are taken too.");
}

QString HelpOption()
{
    return QCoreApplication::translate("CommandLine", "Show this help and exit.");
}

QString VersionOption()
{
    return QCoreApplication::translate("CommandLine", "Show the version and exit.");
}

QString MaxFpsOption()
{
    return QCoreApplication::translate("CommandLine",
                                       "Draw at most N frames per second instead of one per refresh of the screen; "
                                       "0 draws as many as the machine can.");
}

QString DateOption()
{
    return QCoreApplication::translate("CommandLine",
                                       "Start with the planets where they stand at WHEN: an ISO 8601 date (2026-12-08) "
                                       "or date and time (2026-12-08T21:30:00Z; UTC unless a zone is given), from %1.")
        .arg(SkyRange());
}

QString EventsOption()
{
    return QCoreApplication::translate(
        "CommandLine", "Print the sky's events from FROM to TO (moments as --date takes them; a TO without a "
                       "time means the end of that day, so '--events 2027-01-01 2027-12-31' is the whole year) "
                       "and exit, without opening a window.");
}

QString FormatOption()
{
    return QCoreApplication::translate("CommandLine",
                                       "The form of --events: csv (the default; RFC 4180, UTF-8) or ics (an iCalendar "
                                       "file, RFC 5545).");
}

QString LanguageOption()
{
    return QCoreApplication::translate("CommandLine",
                                       "Speak Italian (it) or English (en). By default the system's language, "
                                       "Italian when the program does not speak it.");
}

QString SkyRange()
{
    return QCoreApplication::translate("CommandLine", "%1 to %2")
        .arg(EarliestSkyMoment().toString(Qt::ISODate), LatestSkyMoment().toString(Qt::ISODate));
}

QString Refusal(const QString& program, const QString& sentence)
{
    return QCoreApplication::translate("CommandLine", "%1: %2. Try '%1 --help'.\n").arg(program, sentence);
}

QString UnknownOption(const QString& typed)
{
    return QCoreApplication::translate("CommandLine", "Unknown option '%1'").arg(typed);
}

QString UnexpectedArgument(const QString& argument)
{
    return QCoreApplication::translate("CommandLine", "unexpected argument '%1'").arg(argument);
}

QString ValueApart(const QString& typed, const QString& value)
{
    return QCoreApplication::translate("CommandLine", "%1 takes its value after a space, as in '%1 %2'")
        .arg(typed, value);
}

QString MaxFpsRefused(int limit, const QString& value)
{
    return QCoreApplication::translate("CommandLine", "--max-fps takes a whole number from 0 to %1, not '%2'")
        .arg(limit)
        .arg(value);
}

QString FormatWithoutEvents()
{
    return QCoreApplication::translate("CommandLine", "--format goes with --events");
}

QString EventsNeedTwoMoments()
{
    return QCoreApplication::translate(
        "CommandLine", "--events takes two moments, FROM and TO, as in '--events 2027-01-01 2027-12-31'");
}

QString FormatRefused(const QString& format)
{
    return QCoreApplication::translate("CommandLine", "--format takes csv or ics, not '%1'").arg(format);
}

QString LanguageRefused(const QStringList& languages, const QString& value)
{
    return QCoreApplication::translate("CommandLine", "--lang takes %1, not '%2'")
        .arg(languages.join(QCoreApplication::translate("CommandLine", " or ")), value);
}

QString EventsOutOfOrder(const QString& from, const QString& to)
{
    return QCoreApplication::translate("CommandLine", "--events needs a TO later than its FROM, not '%1' to '%2'")
        .arg(from, to);
}

QString MomentRefused(MomentRefusal why, const QString& option, const QString& value)
{
    const QString form = QCoreApplication::translate("CommandLine",
                                                     "give YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss] (UTC unless it ends "
                                                     "in Z or +hh:mm/-hh:mm), from %1")
                             .arg(SkyRange());
    switch (why) {
    case MomentRefusal::Missing:
        return QCoreApplication::translate("CommandLine", "%1 needs a moment: %2").arg(option, form);
    case MomentRefusal::NotADate:
        return QCoreApplication::translate("CommandLine", "%1 '%2' is not a date: %3").arg(option, value, form);
    case MomentRefusal::OutOfRange:
        return QCoreApplication::translate("CommandLine", "%1 '%2' is out of range: %3").arg(option, value, form);
    }
    return {};
}

} // namespace CommandLineText

namespace MessageText {

QString NoHighResolutionTimer()
{
    return QCoreApplication::translate("Messages", "Your System doesn't support High Resolutiom Timer!");
}

QString TextureFailed(const QString& path)
{
    return QCoreApplication::translate("Messages", "Loading Texture File: '%1' Failed!").arg(path);
}

QString OpenGlFailed()
{
    return QCoreApplication::translate("Messages", "OpenGL Initialization Failed!");
}

QString NoX11Display()
{
    return QCoreApplication::translate("Messages", "Il sistema solare: cannot open a display; "
                                                   "set DISPLAY to a running X server.\n");
}

QString NoWaylandDisplay()
{
    return QCoreApplication::translate("Messages", "Il sistema solare: cannot open a display; "
                                                   "set WAYLAND_DISPLAY to a running Wayland compositor.\n");
}

QString DisplayLost(const QString& name)
{
    return QCoreApplication::translate("Messages", "Il sistema solare: lost the connection to the display \"%1\"; "
                                                   "the program ends.\n")
        .arg(name);
}

QString NoEclipseShadows(const QString& log)
{
    return QCoreApplication::translate("Messages", "Il sistema solare: senza ombre delle eclissi: %1\n").arg(log);
}

QString EventsNotWritten(const QString& reason)
{
    return QCoreApplication::translate("Messages", "Non è stato possibile scrivere gli eventi: %1.\n").arg(reason);
}

QString TranslationUnread(const QString& path)
{
    return QCoreApplication::translate("Messages", "Il sistema solare: traduzione \"%1\" non letta; "
                                                   "i testi restano in italiano.\n")
        .arg(path);
}

} // namespace MessageText
