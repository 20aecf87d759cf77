#include "command_line.h"
#include "display_check.h"
#include "scoped_environment.h"

#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

namespace {

constexpr int kRunTimeoutMs = 10'000;

QStringList Arguments(const QString& line)
{
    QStringList arguments{QStringLiteral("solar-system")};
    if (!line.isEmpty()) {
        arguments << line.split(QLatin1Char(' '));
    }
    return arguments;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void goodLinesGiveTheirOptions_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("maxFps");         // -1: follow the screen
        QTest::addColumn<QDateTime>("startMoment"); // invalid: the usual start
        QTest::addColumn<QString>("platform");      // null: not given
        QTest::addColumn<QString>("display");       // null: not given
        const QDateTime usual;
        const QString none;
        QTest::newRow("nothing") << "" << -1 << usual << none << none;
        QTest::newRow("no ceiling") << "--max-fps 0" << 0 << usual << none << none;
        QTest::newRow("thirty") << "--max-fps 30" << 30 << usual << none << none;
        QTest::newRow("the highest") << "--max-fps=1000" << 1000 << usual << none << none;
        QTest::newRow("a day") << "--date 2026-12-08" << -1
                               << QDateTime(QDate(2026, 12, 8), QTime(0, 0), QTimeZone::utc()) << none << none;
        QTest::newRow("both") << "--max-fps 30 --date=2026-12-08T21:30:00Z" << 30
                              << QDateTime(QDate(2026, 12, 8), QTime(21, 30), QTimeZone::utc()) << none << none;
        QTest::newRow("a language") << "--lang en --max-fps 30" << 30 << usual << none << none;
        // Qt's own options, left to Qt.
        QTest::newRow("Qt's platform") << "-platform xcb" << -1 << usual << "xcb" << none;
        QTest::newRow("--platform") << "--platform wayland:opt --max-fps 30" << 30 << usual << "wayland:opt" << none;
        QTest::newRow("X display") << "-display :0" << -1 << usual << none << ":0";
        QTest::newRow("X geometry") << "-geometry 800x600+0+0 -name sun -title Sole" << -1 << usual << none << none;
        QTest::newRow("style") << "-style Fusion --stylesheet=a.qss" << -1 << usual << none << none;
        QTest::newRow("session") << "-session abc_1" << -1 << usual << none << none;
        QTest::newRow("flags") << "-reverse -widgetcount -nograb -sync --max-fps 30" << 30 << usual << none << none;
        // Each value, even one that looks like an option, goes with its option.
        QTest::newRow("Qt's values") << "-qwindowgeometry 640x480+0+0 -qwindowtitle -x -qwindowicon sole.png "
                                        "-platformtheme gtk3 -platformpluginpath /qt -plugin evdevtouch -visual 33 "
                                        "-ncols=16 -qmljsdebugger=port:1234 --max-fps 30"
                                     << 30 << usual << none << none;
    }

    void goodLinesGiveTheirOptions()
    {
        QFETCH(QString, line);
        QFETCH(int, maxFps);
        QFETCH(QDateTime, startMoment);
        QFETCH(QString, platform);
        QFETCH(QString, display);
        const auto parsed = ParseCommandLine(Arguments(line));
        const auto* options = std::get_if<CommandLineOptions>(&parsed);
        QVERIFY(options != nullptr);
        QCOMPARE(options->maxFps.value_or(-1), maxFps);
        QCOMPARE(options->startMoment.value_or(QDateTime()), startMoment);
        QCOMPARE(options->platform.value_or(QString()), platform);
        QCOMPARE(options->platform.has_value(), !platform.isNull());
        QCOMPARE(options->display.value_or(QString()), display);
        QCOMPARE(options->display.has_value(), !display.isNull());
    }

    void eventsLinesGiveTheirRequest_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("request"); // FROM and TO in UTC, the format
        QTest::newRow("a year") << "--events 2027-01-01 2027-12-31" << "2027-01-01T00:00:00Z 2027-12-31T23:59:59Z csv";
        QTest::newRow("times and a zone") << "--format ics --events=2027-01-01T06:00 2027-01-01T18:30:00+01:00"
                                          << "2027-01-01T06:00:00Z 2027-01-01T17:30:00Z ics";
    }

    void eventsLinesGiveTheirRequest()
    {
        QFETCH(QString, line);
        QFETCH(QString, request);
        const auto parsed = ParseCommandLine(Arguments(line));
        const auto* options = std::get_if<CommandLineOptions>(&parsed);
        QVERIFY(options != nullptr && options->events);
        const EventsRequest& events = *options->events;
        QCOMPARE(QStringList({events.from.toString(Qt::ISODate), events.to.toString(Qt::ISODate),
                              events.format == EventsFormat::ICalendar ? "ics" : "csv"}).join(' '), request);
    }

    void badLinesGetOneLineAndStatusTwo_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("message");
        const QString refusal = "solar-system: %1. Try 'solar-system --help'.\n";
        const QString badFps = refusal.arg("--max-fps takes a whole number from 0 to 1000, not '%1'");
        const QString missing = refusal.arg("Missing value after '%1'");
        QTest::newRow("negative") << "--max-fps -1" << badFps.arg("-1");
        QTest::newRow("not a number") << "--max-fps abc" << badFps.arg("abc");
        QTest::newRow("too many") << "--max-fps 100000" << badFps.arg("100000");
        QTest::newRow("a fraction") << "--max-fps 29.97" << badFps.arg("29.97");
        QTest::newRow("no value") << "--max-fps" << missing.arg("--max-fps");
        const QString badDate = refusal.arg("--date '%1' is %2: give YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss] (UTC unless "
                                            "it ends in Z or +hh:mm/-hh:mm), from 1885-01-01T00:00:00Z to "
                                            "2099-12-31T23:59:59Z");
        QTest::newRow("a word for a date") << "--date yesterday" << badDate.arg("yesterday", "not a date");
        QTest::newRow("no such day") << "--date 2026-13-45" << badDate.arg("2026-13-45", "not a date");
        QTest::newRow("before the range") << "--date 1200-01-01" << badDate.arg("1200-01-01", "out of range");
        QTest::newRow("an empty date") << "--date=" << QString(badDate).replace("'%1' is %2", "needs a moment");
        const QString reversed = refusal.arg("--events needs a TO later than its FROM, not '%1' to '%2'");
        QTest::newRow("reversed") << "--events 2027-12-31 2027-01-01" << reversed.arg("2027-12-31", "2027-01-01");
        QTest::newRow("empty") << "--events 2027-01-01T12:00 2027-01-01T12:00"
                               << reversed.arg("2027-01-01T12:00", "2027-01-01T12:00");
        QTest::newRow("after the span")
            << "--events 2027-01-01 2100-01-01"
            << QString(badDate).replace("--date", "--events TO").arg("2100-01-01", "out of range");
        QTest::newRow("no TO") << "--events 2027-01-01"
                               << refusal.arg("--events takes two moments, FROM and TO, as in '--events 2027-01-01 "
                                              "2027-12-31'");
        QTest::newRow("a third moment") << "--events 2027-01-01 2027-12-31 2028-01-01"
                                        << refusal.arg("unexpected argument '2028-01-01'");
        QTest::newRow("a language it does not speak") << "--lang xx" << refusal.arg("--lang takes it or en, not 'xx'");
        QTest::newRow("bad format") << "--events 2027-01-01 2027-12-31 --format xml"
                                    << refusal.arg("--format takes csv or ics, not 'xml'");
        const QString unknown = refusal.arg("Unknown option '%1'");
        QTest::newRow("unknown option") << "--fullscreen" << unknown.arg("--fullscreen");
        QTest::newRow("a misspelt Qt option") << "-platfrom xcb" << unknown.arg("-platfrom");
        QTest::newRow("an unknown option's value") << "--date=2026-12-08 -x=1" << unknown.arg("-x");
        QTest::newRow("after a value like it") << "--date -x -x" << unknown.arg("-x");
        const QString afterASpace = refusal.arg("%1 takes its value after a space, as in '%1 %2'");
        QTest::newRow("a value Qt would not see") << "-platform=offscreen" << afterASpace.arg("-platform", "offscreen");
        QTest::newRow("-display=") << "-display=:1" << afterASpace.arg("-display", ":1");
        QTest::newRow("-qwindowgeometry=") << "-qwindowgeometry=640x480" << afterASpace.arg("-qwindowgeometry", "640x480");
        QTest::newRow("no platform") << "-platform" << missing.arg("-platform");
        QTest::newRow("an argument") << "sun" << refusal.arg("unexpected argument 'sun'");
    }

    void badLinesGetOneLineAndStatusTwo()
    {
        QFETCH(QString, line);
        QFETCH(QString, message);
        const auto parsed = ParseCommandLine(Arguments(line));
        const auto* exit = std::get_if<CommandLineExit>(&parsed);
        QVERIFY(exit != nullptr);
        QCOMPARE(exit->status, 2);
        QCOMPARE(exit->text, message);
    }

    // Qt tries a list of platforms in order, so the check does too; with
    // none of them reachable the line is the first one's. A compositor's
    // socket is found by its name in the runtime folder, or by its path.
    void aListOfPlatformsPassesOnTheFirstReachable_data()
    {
        QTest::addColumn<QString>("platforms"); // null: none named
        QTest::addColumn<QString>("display");   // null: the live one in DISPLAY
        QTest::addColumn<QString>("compositor"); // WAYLAND_DISPLAY: "name", "/path" or null
        QTest::addColumn<QString>("failure");   // empty: the check passes
        const QString x11 = QStringLiteral("set DISPLAY");
        const QString wayland = QStringLiteral("set WAYLAND_DISPLAY");
        const QString none;
        QTest::newRow("X after Wayland") << "wayland;xcb" << none << none << "";
        QTest::newRow("an unchecked one") << "wayland;offscreen" << ":4242" << none << "";
        QTest::newRow("none, Wayland first") << "wayland;xcb" << ":4242" << none << wayland;
        QTest::newRow("none, X first") << "xcb;wayland" << ":4242" << none << x11;
        QTest::newRow("a compositor by name") << "wayland" << ":4242" << "name" << "";
        QTest::newRow("a compositor by path") << "wayland" << ":4242" << "/path" << "";
        QTest::newRow("nothing named, a Wayland session") << none << ":4242" << "name" << "";
        QTest::newRow("nothing named, no Wayland session") << none << ":4242" << none << x11;
    }

    void aListOfPlatformsPassesOnTheFirstReachable()
    {
        QFETCH(QString, platforms);
        QFETCH(QString, display);
        QFETCH(QString, compositor);
        QFETCH(QString, failure);
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            QSKIP("needs a live X display in DISPLAY");
        }
        // No compositor's socket in here but the row's.
        const QTemporaryDir runtimeDirectory;
        const QTemporaryDir elsewhere;
        QVERIFY(runtimeDirectory.isValid() && elsewhere.isValid());
        const QString socketPath =
            compositor == "/path" ? elsewhere.filePath("compositor") : runtimeDirectory.filePath("compositor");
        QLocalServer socket;
        QVERIFY(socket.listen(socketPath));
        const QByteArray waylandDisplay =
            compositor.isNull() ? QByteArray() : (compositor == "name" ? QByteArray("compositor") : socketPath.toLocal8Bit());
        const ScopedEnvironment environment({{"XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit()},
                                             {"WAYLAND_DISPLAY", waylandDisplay},
                                             {"WAYLAND_SOCKET", QByteArray()},
                                             {"QT_QPA_PLATFORM", QByteArray()}});
        CommandLineOptions options;
        if (!platforms.isNull()) {
            options.platform = platforms;
        }
        if (!display.isNull()) {
            options.display = display;
        }
        const DisplayCheck check(options);
        QCOMPARE(check.Failure() == nullptr, failure.isEmpty());
        QVERIFY(failure.isEmpty() || QString::fromUtf8(check.Failure()).contains(failure));
    }

    // The program itself, with no display to open.
    void theProgramAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << "--help" << 0 << "Usage: solar-system [options]" << "";
        QTest::newRow("version") << "--version" << 0 << "solar-system " SOLAR_VERSION "\n" << "";
        QTest::newRow("bad value") << "--max-fps abc" << 2 << ""
                                   << "solar-system: --max-fps takes a whole number from 0 to 1000, not 'abc'";
        QTest::newRow("unknown option") << "--frobnicate" << 2 << "" << "solar-system: Unknown option '--frobnicate'";
        QTest::newRow("bad date") << "--date 2100-01-01" << 2 << "" << "solar-system: --date '2100-01-01' is out of range";
        QTest::newRow("no compositor") << "-platform wayland" << 1 << ""
                                       << "Il sistema solare: cannot open a display; set WAYLAND_DISPLAY to a running "
                                          "Wayland compositor.\n";
        // With DISPLAY naming a live server: the check looks where Qt will.
        QTest::newRow("-display names no server") << "-platform xcb -display :4242" << 1 << ""
                                                  << "Il sistema solare: cannot open a display; set DISPLAY";
    }

    void theProgramAnswersWithoutADisplay()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        // A line that names a display keeps DISPLAY, a live server, to show
        // that the option wins; the others run with no display at all.
        if (!line.contains(QLatin1String("-display"))) {
            environment.remove(QStringLiteral("DISPLAY"));
        } else if (!environment.contains(QStringLiteral("DISPLAY"))) {
            QSKIP("needs a live X display in DISPLAY");
        }
        // No Wayland compositor's socket in here.
        const QTemporaryDir runtimeDirectory;
        QVERIFY(runtimeDirectory.isValid());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory.path());
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/solar-system", Arguments(line).mid(1));
        QVERIFY(program.waitForFinished(kRunTimeoutMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString standardOutput = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString standardError = QString::fromLocal8Bit(program.readAllStandardError());
        // What is asked for on one stream, nothing on the other; a refusal
        // is one line.
        QCOMPARE(standardOutput.left(out.size()), out);
        QCOMPARE(standardOutput.isEmpty(), out.isEmpty());
        QCOMPARE(standardError.left(err.size()), err);
        QCOMPARE(standardError.count(QLatin1Char('\n')), err.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
