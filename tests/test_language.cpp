#include "body_ids.h"
#include "command_line.h"
#include "constellations.h"
#include "planet_catalogue.h"
#include "texts.h"
#include "texts_stars.h"
#include "translations.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

QString Program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/solar-system");
}

} // namespace

// The language the program speaks, and its English.
class LanguageTest : public QObject {
    Q_OBJECT

    // English for the whole of this program, installed before any text is
    // asked for: the texts' conventions are taken once.
    const Translations translations{QStringLiteral("en"), QCoreApplication::applicationDirPath() + "/translations"};

private slots:
    void initTestCase()
    {
        QVERIFY(translations.Failure().isEmpty());
        translations.Install(Translations::Words::ProgramAndQt);
        XPModule::InitPlanetData();
    }

    // The first of the system's languages that the program speaks, unless
    // --lang names one it speaks.
    void theLanguageIsChosen_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("language");
        QTest::newRow("American") << "" << QStringList{"en-US"} << "en";
        QTest::newRow("British, as LANG writes it") << "" << QStringList{"en_GB"} << "en";
        QTest::newRow("English alone") << "" << QStringList{"en"} << "en";
        QTest::newRow("Italian") << "" << QStringList{"it-IT"} << "it";
        QTest::newRow("German") << "" << QStringList{"de-DE"} << "it";
        QTest::newRow("C") << "" << QStringList{"C"} << "it";
        QTest::newRow("none") << "" << QStringList{} << "it";
        QTest::newRow("German, then English") << "" << QStringList{"de-DE", "en-GB"} << "en";
        QTest::newRow("German, Italian, English") << "" << QStringList{"de-DE", "it-IT", "en-US"} << "it";
        QTest::newRow("--lang it") << "--lang it" << QStringList{"en-US"} << "it";
        QTest::newRow("--lang=en") << "--max-fps 30 --lang=en" << QStringList{"it-IT"} << "en";
        QTest::newRow("-lang en") << "-lang en" << QStringList{"C"} << "en";
        QTest::newRow("--lang xx: the system's") << "--lang xx" << QStringList{"en-US"} << "en";
        QTest::newRow("a value like it") << "--date --lang --lang en" << QStringList{"it"} << "en";
    }

    void theLanguageIsChosen()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, system);
        QFETCH(QString, language);
        QStringList arguments{QStringLiteral("solar-system")};
        if (!line.isEmpty()) {
            arguments << line.split(QLatin1Char(' '));
        }
        QCOMPARE(ChooseLanguage(LanguageArgument(arguments), system), language);
    }

    // Texts of each area in English, with English numbers and month names.
    void theTextsAreEnglish_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("english");
        const QDateTime moment(QDate(2026, 12, 8), QTime(21, 30), QTimeZone::utc());
        QTest::newRow("a planet") << BodyName(Earth) << "Earth";
        QTest::newRow("a constellation") << StarText::ConstellationName(ConstellationIndex("UMa")) << "Ursa Major";
        QTest::newRow("Norma") << StarText::ConstellationName(ConstellationIndex("Nor")) << "Norma";
        QTest::newRow("a star") << StarText::StarName(0) << "Sirius";
        QTest::newRow("Regulus") << StarText::StarName(19) << "Regulus";
        QTest::newRow("the title") << WindowText::Title() << "The Solar System";
        QTest::newRow("the card") << BodyCardText(Earth).section('\n', 0, 2)
                                  << "Earth\nDiameter: 12,756 km\nMean distance from the Sun: 149.6 million km";
        QTest::newRow("an event") << SkyEventText({0, SkyEventType::GreatestElongationEast, Mercury, NoBody, 18.5})
                                  << "Mercury at greatest eastern elongation (18.5°)";
        QTest::newRow("the date") << SkyDateText(moment, true, false, SkyRate::Day)
                                  << "8 December 2026 21:30 UTC · 1 day/s (paused)";
        QTest::newRow("a rate") << RateMenuText(SkyRate::Day) << "1 Day per Second";
        QTest::newRow("the CSV header") << SkyEventFileWords().momentHeading << "Time (UTC)";
    }

    void theTextsAreEnglish()
    {
        QFETCH(QString, text);
        QFETCH(QString, english);
        QCOMPARE(text, english);
    }

    // Qt's own words (its dialogs' buttons) in the language of the texts:
    // Italian also when the English translation cannot be read.
    void qtSpeaksAsTheTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("Italian") << "it" << "" << "Annulla";
        QTest::newRow("no English translation") << "en" << "/nonexistent" << "Annulla";
    }

    void qtSpeaksAsTheTexts()
    {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        QFETCH(QString, cancel);
        const Translations other(language, folder);
        other.Install(Translations::Words::ProgramAndQt);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }

    // The program itself: the system's language, --lang, a translation that
    // cannot be read (it stays Italian and says so in one line), a language
    // it does not speak (status 2, naming those it does).
    void theProgramSpeaks_data()
    {
        QTest::addColumn<QString>("system"); // LANGUAGE
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("qm");   // written over the translation's copy; null: the build's
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString events = "--events 2027-01-01 2027-01-02";
        const QByteArray build;
        QTest::newRow("English system") << "en_US" << events << build << 0 << "Time (UTC),Event\r\n" << "";
        QTest::newRow("German system") << "de_DE" << events << build << 0 << "Momento (UTC),Evento\r\n" << "";
        QTest::newRow("--lang en") << "it" << "--lang en " + events << build << 0 << "Time (UTC),Event\r\n" << "";
        QTest::newRow("--lang it") << "en" << events + " --lang it" << build << 0 << "Momento (UTC),Evento\r\n" << "";
        // The .qm's magic number, then a block longer than the file.
        const QByteArray corrupt("\x3c\xb8\x64\x18\xca\xef\x9c\x95\xcd\x21\x1c\xbf\x60\xa1\xbd\xdd"
                                 "\x42\xff\xff\xff\xffjunk",
                                 25);
        QTest::newRow("corrupt") << "en" << events << corrupt << 0
                                 << "Momento (UTC),Evento\r\n" << "Il sistema solare: traduzione \"";
        QTest::newRow("empty") << "it" << "--lang en " + events << QByteArray("") << 0 << "Momento (UTC),Evento\r\n"
                               << "Il sistema solare: traduzione \"";
        QTest::newRow("--lang xx") << "it" << "--lang xx" << build << 2 << ""
                                   << "solar-system: --lang takes it or en, not 'xx'. Try 'solar-system --help'.\n";
    }

    void theProgramSpeaks()
    {
        QFETCH(QString, system);
        QFETCH(QString, line);
        QFETCH(QByteArray, qm);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QString program = Program();
        const QTemporaryDir copy;
        if (!qm.isNull()) {
            QVERIFY(QDir(copy.path()).mkdir("translations"));
            program = copy.filePath("solar-system");
            QVERIFY(QFile::copy(Program(), program));
            QFile file(copy.filePath("translations/solar-system_en.qm"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(qm) == qm.size());
        }
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", system);
        run.setProcessEnvironment(environment);
        run.start(program, line.split(' '));
        QVERIFY(run.waitForFinished(60'000));
        QCOMPARE(run.exitCode(), status);
        const QString standardOutput = QString::fromUtf8(run.readAllStandardOutput());
        const QString standardError = QString::fromUtf8(run.readAllStandardError());
        QCOMPARE(standardOutput.left(out.size()), out);
        QCOMPARE(standardError.left(err.size()), err);
        QCOMPARE(standardError.count('\n'), err.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(LanguageTest)

#include "test_language.moc"
