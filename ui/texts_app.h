#pragma once

#include "sky_moment.h"

#include <QString>
#include <QStringList>

// The words of the program's start: the command line's help and refusals,
// and the messages of the frame timer and of OpenGL's set-up.
namespace CommandLineText {

QString Description();
QString HelpOption();
QString VersionOption();
QString MaxFpsOption();
QString DateOption();
QString EventsOption();
QString FormatOption();
QString LanguageOption();

// "1885-01-01T00:00:00Z to 2099-12-31T23:59:59Z": the span of the sky's moments.
QString SkyRange();

// A refused command line: "solar-system: <sentence>. Try 'solar-system --help'.", a line.
QString Refusal(const QString& program, const QString& sentence);
QString UnknownOption(const QString& typed);
QString UnexpectedArgument(const QString& argument);
QString ValueApart(const QString& typed, const QString& value);
QString MaxFpsRefused(int limit, const QString& value);
QString FormatWithoutEvents();
QString EventsNeedTwoMoments();
QString FormatRefused(const QString& format);
// "--lang takes it or en, not 'xx'": the languages the program speaks.
QString LanguageRefused(const QStringList& languages, const QString& value);
QString EventsOutOfOrder(const QString& from, const QString& to);
// Why `value`, given to `option` ("--date", "--events FROM"), names no
// moment, with the accepted form and span.
QString MomentRefused(MomentRefusal why, const QString& option, const QString& value);

} // namespace CommandLineText

namespace MessageText {

QString NoHighResolutionTimer();
QString TextureFailed(const QString& path);
QString OpenGlFailed();
// Lines on standard error, each with its line end.
QString NoX11Display();
QString NoWaylandDisplay();
QString DisplayLost(const QString& name);
// The shader of the eclipses' shadows would not compile or link: the
// driver's log follows.
QString NoEclipseShadows(const QString& log);
// "--events" could not write its list: the system's reason follows.
QString EventsNotWritten(const QString& reason);
// The translation at `path` could not be read: the texts stay Italian.
QString TranslationUnread(const QString& path);

} // namespace MessageText
