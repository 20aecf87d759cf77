#include "deadlines.h"
#include "body_orbits.h"
#include "frm_eventi.h"
#include "main_window_fixture.h"
#include "scoped_environment.h"
#include "sky_clock.h"
#include "sky_expectations.h"
#include "sky_moment.h"
#include "texts_sky.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

bool WithEventsDialog(OGLWin& w, const std::function<void(FrmEventi&)>& interact)
{
    return WithModalDialog<FrmEventi>([&] { Tempo(w).mnueventi->trigger(); }, interact);
}

bool SearchEnds(const FrmEventi& dialog)
{
    return QTest::qWaitFor([&] { return !dialog.Searching(); }, kDeadlineMilliseconds);
}

QStringList Column(const QTableWidget& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row) {
        texts << table.item(row, column)->text();
    }
    return texts;
}

void ClickHeader(QTableWidget& table, int column)
{
    QHeaderView* header = table.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(column) + 5, header->height() / 2});
}

const QDateTime kNow = Utc("2026-12-08T21:30:00");
// Two events in one minute, whose texts run against their times, and a later one.
const std::vector<SkyEvent> kEvents{{JulianDayOf(kNow), SkyEventType::FullMoon},
                                    {JulianDayOf(kNow.addSecs(10)), SkyEventType::NewMoon},
                                    {JulianDayOf(kNow.addDays(40)), SkyEventType::FirstQuarter}};
// The kinds ticked, one digit a box: "1011110".
QString TickedKinds(const FrmEventi& dialog)
{
    QString ticked;
    for (const QCheckBox* box : dialog.chkGruppi) {
        ticked += box->isChecked() ? '1' : '0';
    }
    return ticked;
}

} // namespace

class SkyEventsDialogTest : public LoadedWindowTest {
    Q_OBJECT

    // Each test starts with no settings file, in a folder of its own.
    void WindowLoaded() override
    {
        settingsFolder = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder->path());
    }
    QString SettingsFile() const { return settingsFolder->filePath("solar-system/solar-system.ini"); }

    std::unique_ptr<QTemporaryDir> settingsFolder;

private slots:
    void opensPausedAtTheScenesMoment_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<QString>("sky");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        const QDateTime last = LatestSkyMoment();
        QTest::newRow("menu, now") << false << "" << kNow << kNow << Utc("2027-12-08T21:30:00");
        QTest::newRow("Ctrl+E in full screen, the real sky")
            << true << "2099-06-01" << kNow << Utc("2099-06-01T00:00:00") << last;
        QTest::newRow("menu, now after the span") << false << "" << Utc("2150-01-01T00:00:00") << last << last;
    }

    void opensPausedAtTheScenesMoment()
    {
        QFETCH(bool, byKey);
        QFETCH(QString, sky);
        QFETCH(QDateTime, now);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [now] { return now; };
        QVERIFY(sky.isEmpty() || w.SetSkyMoment(Utc(qPrintable(sky))));
        if (byKey) {
            Vista(w).mnuschermo->trigger(); // the menu bar hides
        }
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto open = [&] { byKey ? QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier) : Tempo(w).mnueventi->trigger(); };
        QVERIFY(WithModalDialog<FrmEventi>(open, [&](FrmEventi& dialog) {
            QVERIFY(OGLModule::FrameTimer().Paused());
            QCOMPARE(dialog.txtDal->dateTime(), from);
            QCOMPARE(dialog.txtAl->dateTime(), to);
            for (std::size_t i = 0; i < kSkyEventGroupCount; ++i) {
                QVERIFY(dialog.chkGruppi[i]->isChecked() &&
                        dialog.chkGruppi[i]->text() == SkyEventGroupText(static_cast<SkyEventGroup>(i)));
            }
            QVERIFY(SearchEnds(dialog));
        }));
        QVERIFY(!OGLModule::FrameTimer().Paused());
    }

    void vaiPutsTheSkyAtTheRowsMomentPaused_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("Vai") << false;
        QTest::newRow("double-click") << true;
    }

    void vaiPutsTheSkyAtTheRowsMomentPaused()
    {
        QFETCH(bool, doubleClick);
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QDateTime chosen;
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            QTableWidget& table = *dialog.tblEventi;
            const int row = table.rowCount() - 1;
            QVERIFY(row > 0 && !dialog.cmdVai->isEnabled());
            chosen = Utc(qPrintable(table.item(row, 0)->text().replace(' ', 'T')));
            if (doubleClick) {
                table.scrollToItem(table.item(row, 1));
                const QPoint at = table.visualItemRect(table.item(row, 1)).center();
                QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at); // a double click follows a press
                QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
            } else {
                table.selectRow(row);
                QVERIFY(dialog.cmdVai->isEnabled());
                dialog.cmdVai->click();
            }
        }));
        QVERIFY(w.Time.IsReal());
        QVERIFY2(std::abs(w.Time.Moment().secsTo(chosen)) <= 30, qPrintable(w.Time.Moment().toString(Qt::ISODate)));
        QVERIFY(OGLModule::FrameTimer().Paused() && Tempo(w).mnupausa->text() == "Riprendi");
    }

    // "Vai" on a solar eclipse turns "Orbite vere" on, for the shadows, and
    // glides to the Earth with the zoom narrowing to the angle at which it
    // fills a third of the view (12 degrees); pressed again on the lunar
    // eclipse during the glide, it ends at the Moon (5 degrees).
    void vaiGlidesToTheBodyThatShowsTheEvent()
    {
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        const std::vector<SkyEvent> eclipses{{JulianDayOf(Utc("2027-08-02T10:07:00")), SkyEventType::TotalSolarEclipse},
                                             {JulianDayOf(Utc("2028-01-12T04:13:00")), SkyEventType::PartialLunarEclipse}};
        w.FindEvents = [&](double, double, const SkyEventGroups&, const SkyEventProgress&) { return eclipses; };
        double clock = 0;
        w.Rig.StartClock(clock);
        int zoom = 0;
        for (int row = 0; row < 2; ++row) {
            QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
                QVERIFY(SearchEnds(dialog));
                dialog.tblEventi->selectRow(row);
                dialog.cmdVai->click();
            }));
            QVERIFY(Vista(w).mnuorbite->isChecked());
            for (int frame = 0; frame < (row == 0 ? 5 : 20); ++frame) {
                clock += 0.1;
                if (const auto settings = w.Rig.Advance(clock, {})) {
                    zoom = settings->zoom;
                }
            }
            QVERIFY(row == 1 || (zoom < XPModule::kStartPerspectiveAngle && zoom > 12));
        }
        QCOMPARE(zoom, 5);
        const CameraPose pose = w.Rig.Camera.Pose(w.Scene, {});
        // Without pan and tilt a followed body stands at (0, 2.5, 0), whatever the turn.
        const Vector3 moon = BodyCentre(w.Scene, Moon) + pose.shift;
        QVERIFY(pose.active && Length(moon - Vector3{0, 2.5, 0}) < 1e-6);
        Vista(w).mnuorbite->trigger();
        w.mnuvista_Click();
    }

    // From 1885 to 2099, cancelled, closed, or replaced by a short search or
    // a period that is empty while it runs; nothing of it shows.
    void aSearchEndsWhenAsked_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("days"); // from "Dal" to the new "Al"
        QTest::addColumn<QString>("message");
        QTest::newRow("Annulla") << "Annulla" << 0 << "Ricerca annullata.";
        QTest::newRow("Chiudi") << "Chiudi" << 0 << "";
        QTest::newRow("Cerca") << "Cerca" << 700 << "Eventi trovati";
        QTest::newRow("Al before Dal") << "Cerca" << -1 << "Il periodo è vuoto";
        QTest::newRow("Al at Dal") << "Cerca" << 0 << "Il periodo è vuoto";
    }

    void aSearchEndsWhenAsked()
    {
        QFETCH(QString, how);
        QFETCH(int, days);
        QFETCH(QString, message);
        OGLWin& w = fixture->Window();
        // Over ten years the search lasts until it is cancelled, then ends with a month's events all the
        // same, which must not be shown.
        std::atomic<bool> stopped{false};
        w.FindEvents = [&](double from, double to, const SkyEventGroups& groups, const SkyEventProgress& progress) {
            for (int i = 0; to - from > 3650 && i < 5000 && !stopped; ++i) {
                stopped = !progress(0.5);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            return stopped ? FindSkyEvents(from, from + 30, groups) : FindSkyEvents(from, to, groups, progress);
        };
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.txtDal->setDateTime(EarliestSkyMoment());
            dialog.txtAl->setDateTime(LatestSkyMoment());
            dialog.cmdCerca->click();
            QVERIFY(dialog.Searching() && dialog.cmdAnnulla->isEnabled());
            if (how == "Chiudi") {
                return dialog.cmdChiudi->click();
            }
            dialog.txtDal->setDateTime(Utc("2098-01-01T00:00:00"));
            dialog.txtAl->setDateTime(dialog.txtDal->dateTime().addDays(days));
            (how == "Cerca" ? dialog.cmdCerca : dialog.cmdAnnulla)->click();
            QCOMPARE(dialog.Searching(), days > 0);
            dialog.WaitForWorker();
            QCoreApplication::processEvents(); // what the long search's worker left behind
            QVERIFY2(dialog.lblMessaggio->text().startsWith(message), qPrintable(dialog.lblMessaggio->text()));
            QVERIFY(!dialog.cmdAnnulla->isEnabled());
            for (const QString& date : Column(*dialog.tblEventi, 0)) {
                QVERIFY2(date >= "2098", qPrintable(date));
            }
            QCOMPARE(dialog.tblEventi->rowCount() > 0, days > 0);
        }));
        QVERIFY(stopped && !w.Time.IsReal() && fixture->messages.isEmpty() && !OGLModule::FrameTimer().Paused());
    }

    void sortingByDateSortsByTime()
    {
        QVERIFY(WithEventsDialog(fixture->Window(), [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.ShowEvents(kEvents);
            const QStringList inTime{SkyEventText(kEvents[0]), SkyEventText(kEvents[1]), SkyEventText(kEvents[2])};
            ClickHeader(*dialog.tblEventi, 1);
            ClickHeader(*dialog.tblEventi, 0);
            QCOMPARE(Column(*dialog.tblEventi, 1), inTime);
            ClickHeader(*dialog.tblEventi, 0);
            QCOMPARE(Column(*dialog.tblEventi, 1), QStringList({inTime[2], inTime[1], inTime[0]}));
        }));
    }

    // The events in time order, whatever the table's, as the type chosen in
    // the file dialog, whose ending the name is given; a name that cannot be
    // written leaves no file and says why. With no type chosen, the ending tells.
    void exportsTheEvents_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type"); // the filter chosen
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("content"); // empty: refused
        const QString csv = "CSV (*.csv)";
        const QString ics = "iCalendar (*.ics)";
        const QByteArray calendar = SkyEventsICalendar(kEvents, SkyEventFileWords(), kNow);
        QTest::newRow("CSV") << "eventi.csv" << "" << "eventi.csv" << SkyEventsCsv(kEvents, SkyEventFileWords());
        QTest::newRow("iCalendar") << "eventi.ics" << "" << "eventi.ics" << calendar;
        QTest::newRow("a folder that cannot be written") << "blocco/eventi.csv" << "" << "blocco/eventi.csv"
                                                         << QByteArray();
        QTest::newRow("another ending") << "eventi.txt" << "" << "eventi.txt" << QByteArray();
        QTest::newRow("iCalendar chosen, the proposed .csv") << "eventi.csv" << ics << "eventi.ics" << calendar;
        QTest::newRow("CSV chosen, .ics typed") << "eventi.ics" << csv << "eventi.csv" << SkyEventsCsv(kEvents, SkyEventFileWords());
        QTest::newRow("iCalendar chosen, no ending") << "eventi" << ics << "eventi.ics" << calendar;
        QTest::newRow("iCalendar chosen, .ICS typed") << "eventi.ICS" << ics << "eventi.ICS" << calendar;
        QTest::newRow("iCalendar chosen, another ending") << "eventi.txt" << ics << "eventi.txt.ics" << calendar;
    }

    void exportsTheEvents()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, saved);
        QFETCH(QByteArray, content);
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("blocco")).open(QIODevice::WriteOnly)); // a file where a folder would be
        w.ChooseSaveFile = [&](const QString&) { return SaveFileAnswer(folder.filePath(name), type); };
        QString status;
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.ShowEvents(kEvents);
            ClickHeader(*dialog.tblEventi, 1);
            dialog.cmdEsporta->click();
            status = dialog.lblMessaggio->text();
        }));
        QFile file(folder.filePath(saved));
        const QString said = "Salvati 3 eventi in " + QDir::toNativeSeparators(file.fileName());
        QVERIFY2(content.isEmpty() ? !status.startsWith("Salvat") : status == said, qPrintable(status));
        QCOMPARE(file.open(QIODevice::ReadOnly), !content.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), content.isEmpty() ? 1 : 2);
        QCOMPARE(fixture->messages.size(), content.isEmpty() ? 1 : 0);
        QVERIFY(content.isEmpty() ? fixture->messages[0].startsWith("Non è stato possibile esportare gli eventi in \"" +
                                                                     file.fileName())
                                  : file.readAll() == content);
        QVERIFY(!saved.endsWith(".csv") || content.isEmpty() || content.startsWith(SkyEventsCsv({}, SkyEventFileWords()))); // header first
    }

    // A date typed whole into "Dal", then Enter: taken as typed and searched,
    // or refused: "Dal" keeps its moment, nothing is searched, the reason in red.
    void aTypedDateIsTakenWholeOrRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("taken"); // invalid: refused
        QTest::addColumn<QString>("reason");
        const QString bad = "Data non valida: «%1» (si scrive come «8 dicembre 2026  21:30:00»).";
        const QString out = "Data fuori dall'intervallo calcolato, dal 1 gennaio 1885  00:00:00 al 31 dicembre 2099  "
                            "23:59:59: «%1».";
        for (const char* typed : {"1 gennaio 2027 00:00:00", " 1 Gennaio 2027  00:00:00 "}) {
            QTest::newRow(typed) << typed << Utc("2027-01-01T00:00:00") << "";
        }
        QTest::newRow("an hour Italy skips") << "29 marzo 2026 02:30:00" << Utc("2026-03-29T02:30:00") << "";
        QTest::newRow("the first second") << "1 gennaio 1885 00:00:00" << EarliestSkyMoment() << "";
        for (const char* typed : {"1 gennaio 2100 00:00:00", "31 dicembre 1884 23:59:59"}) {
            QTest::newRow(typed) << typed << QDateTime() << out.arg(typed);
        }
        for (const char* typed : {"31 febbraio 2027 00:00:00", "1 gennaio 2027", "2027-01-01 00:00", "domani?", ""}) {
            QTest::newRow(typed) << typed << QDateTime() << bad.arg(typed);
        }
    }

    void aTypedDateIsTakenWholeOrRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QDateTime, taken);
        QFETCH(QString, reason);
        const ScopedEnvironment italy({{"TZ", QByteArray("Europe/Rome")}}); // whose summer time skips an hour
        fixture->Window().Time.SystemClock = [] { return kNow; };
        QVERIFY(WithEventsDialog(fixture->Window(), [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.txtDal->selectAll();
            QTest::keyClick(dialog.txtDal, Qt::Key_Backspace);
            QTest::keyClicks(dialog.txtDal, typed);
            QTest::keyClick(dialog.txtDal, Qt::Key_Return);
            QCOMPARE(dialog.txtDal->dateTime(), taken.isValid() ? taken : kNow);
            QCOMPARE(dialog.Searching(), taken.isValid());
            QCOMPARE(dialog.lblMessaggio->styleSheet().contains("#c00000"), !reason.isEmpty());
            QVERIFY(reason.isEmpty() || dialog.lblMessaggio->text() == reason);
        }));
    }

    // Unticking a kind sifts the list at once: a year's four starts of the
    // seasons leave it and, ticked again, come back without a search; a kind
    // that the last search left out is searched for.
    void theKindsTickedSiftTheList()
    {
        fixture->Window().Time.SystemClock = [] { return kNow; };
        QVERIFY(WithEventsDialog(fixture->Window(), [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            const int all = dialog.tblEventi->rowCount();
            QCheckBox& seasons = *dialog.chkGruppi[0];
            seasons.click();
            QVERIFY(!dialog.Searching() && dialog.tblEventi->rowCount() == all - 4);
            seasons.click();
            QVERIFY(!dialog.Searching() && dialog.tblEventi->rowCount() == all);
            seasons.click();
            dialog.cmdCerca->click();
            QVERIFY(SearchEnds(dialog));
            seasons.click();
            QVERIFY(dialog.Searching() && SearchEnds(dialog) && dialog.tblEventi->rowCount() == all);
        }));
    }

    void rowsAreOneLineHigh()
    {
        QVERIFY(WithEventsDialog(fixture->Window(), [&](FrmEventi& dialog) {
            dialog.ShowEvents(kEvents);
            QVERIFY(dialog.tblEventi->rowHeight(0) < QFontMetrics(dialog.tblEventi->font()).lineSpacing() * 3 / 2);
        }));
    }

    // The kinds and the period's length chosen come back in the next run;
    // the export proposes the last one's folder.
    void theChoicesAreKept()
    {
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QTemporaryDir exports;
        QString proposed;
        const QString saved = exports.filePath("e.csv");
        w.ChooseSaveFile = [&](const QString& path) { return proposed = path, SaveFileAnswer(saved); };
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            dialog.chkGruppi[1]->click();
            dialog.chkGruppi[6]->click();
            dialog.txtAl->setDateTime(kNow.addDays(45));
            dialog.ShowEvents({kEvents[0]});
            dialog.cmdEsporta->click();
            QCOMPARE(dialog.lblMessaggio->text(), "Salvato 1 evento in " + QDir::toNativeSeparators(saved));
        }));
        w.Time.SystemClock = [] { return Utc("2030-05-01T12:00:00"); };
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QCOMPARE(TickedKinds(dialog), "1011110");
            QCOMPARE(dialog.txtAl->dateTime(), Utc("2030-06-15T12:00:00"));
            dialog.ShowEvents(kEvents);
            dialog.cmdEsporta->click();
        }));
        QCOMPARE(proposed, exports.filePath("Eventi del cielo 2030-05-01.csv"));
    }

    // Hand-made settings files that are unreadable or corrupt give the
    // defaults, without a word.
    void badSettingsGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("file"); // %1: a folder that exists; "/": a folder in the file's place
        static constexpr char garbage[] = "\xff\xfe\0[events]\n\x80kinds=\0\xc3\nperiodDays\x01=30\n";
        const std::map<const char*, QByteArray> bad{
            {"garbage bytes", QByteArray(garbage, sizeof garbage - 1)}, {"a folder", "/"},
            {"unknown kind", "[events]\nkinds=eclipses, comets"}, {"no kind", "[events]\nkinds=@Invalid()"},
            {"kinds, a number", "[events]\nkinds=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)"},
            {"period -5", "[events]\nperiodDays=-5"}, {"period 10^12", "[events]\nperiodDays=1000000000000"},
            {"period nan", "[events]\nperiodDays=nan"}, {"folder gone", "[events]\nexportFolder=%1/via"}};
        for (const auto& [name, file] : bad) {
            QTest::newRow(name) << file;
        }
    }

    void badSettingsGiveTheDefaults()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        QFile settings(SettingsFile());
        QVERIFY(QDir().mkpath(file == "/" ? settings.fileName() : QFileInfo(settings).path()));
        file.replace("%1", folder.path().toUtf8());
        QVERIFY(file == "/" || (settings.open(QIODevice::WriteOnly) && settings.write(file) == file.size()));
        settings.close();
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QString proposed;
        w.ChooseSaveFile = [&](const QString& path) { return proposed = path, SaveFileAnswer(); };
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QCOMPARE(TickedKinds(dialog), "1111111");
            QCOMPARE(dialog.txtAl->dateTime(), Utc("2027-12-08T21:30:00"));
            dialog.ShowEvents(kEvents);
            dialog.cmdEsporta->click();
        }));
        QVERIFY(!proposed.startsWith(folder.path()) && fixture->messages.isEmpty());
    }
};

QTEST_MAIN(SkyEventsDialogTest)
#include "test_sky_events_dialog.moc"
