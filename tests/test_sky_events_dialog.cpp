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
// Events of three kinds, with the kind each belongs to.
const std::vector<std::pair<SkyEventGroup, SkyEvent>> kKinds{
    {SkyEventGroup::MoonPhases, {JulianDayOf(kNow), SkyEventType::FullMoon}},
    {SkyEventGroup::Seasons, {JulianDayOf(Utc("2026-12-21T20:50:00")), SkyEventType::DecemberSolstice}},
    {SkyEventGroup::Eclipses, {JulianDayOf(Utc("2027-08-02T10:07:00")), SkyEventType::TotalSolarEclipse}}};

// A search that finds the events of kKinds of the kinds asked, counting the searches.
SkyEventSearch::Finder FindingKinds(int& searches)
{
    return [&searches](double, double, const SkyEventGroups& groups, const SkyEventProgress&) {
        ++searches;
        std::vector<SkyEvent> found;
        for (const auto& [group, event] : kKinds) {
            if (groups[static_cast<std::size_t>(group)]) {
                found.push_back(event);
            }
        }
        return found;
    };
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
        QTest::addColumn<int>("count");          // of kEvents, the first ones
        const QString csv = "CSV (*.csv)";
        const QString ics = "iCalendar (*.ics)";
        const QByteArray calendar = SkyEventsICalendar(kEvents, SkyEventFileWords(), kNow);
        QTest::newRow("CSV") << "eventi.csv" << "" << "eventi.csv" << SkyEventsCsv(kEvents, SkyEventFileWords()) << 3;
        QTest::newRow("iCalendar") << "eventi.ics" << "" << "eventi.ics" << calendar << 3;
        QTest::newRow("a folder that cannot be written") << "blocco/eventi.csv" << "" << "blocco/eventi.csv"
                                                         << QByteArray() << 3;
        QTest::newRow("another ending") << "eventi.txt" << "" << "eventi.txt" << QByteArray() << 3;
        QTest::newRow("iCalendar chosen, the proposed .csv") << "eventi.csv" << ics << "eventi.ics" << calendar << 3;
        QTest::newRow("CSV chosen, .ics typed") << "eventi.ics" << csv << "eventi.csv" << SkyEventsCsv(kEvents, SkyEventFileWords()) << 3;
        QTest::newRow("iCalendar chosen, no ending") << "eventi" << ics << "eventi.ics" << calendar << 3;
        QTest::newRow("iCalendar chosen, .ICS typed") << "eventi.ICS" << ics << "eventi.ICS" << calendar << 3;
        QTest::newRow("iCalendar chosen, another ending") << "eventi.txt" << ics << "eventi.txt.ics" << calendar << 3;
        QTest::newRow("one event") << "eventi.csv" << "" << "eventi.csv"
                                   << SkyEventsCsv({kEvents[0]}, SkyEventFileWords()) << 1;
    }

    void exportsTheEvents()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, saved);
        QFETCH(QByteArray, content);
        QFETCH(int, count);
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("blocco")).open(QIODevice::WriteOnly)); // a file where a folder would be
        w.ChooseSaveFile = [&](const QString&) { return SaveFileAnswer(folder.filePath(name), type); };
        QString status;
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.ShowEvents({kEvents.begin(), kEvents.begin() + count});
            ClickHeader(*dialog.tblEventi, 1);
            dialog.cmdEsporta->click();
            status = dialog.lblMessaggio->text();
        }));
        QFile file(folder.filePath(saved));
        const QString path = QDir::toNativeSeparators(file.fileName());
        const QString said =
            count == 1 ? "Salvato 1 evento in " + path : QString("Salvati %1 eventi in %2").arg(count).arg(path);
        QVERIFY2(content.isEmpty() ? !status.startsWith("Salvat") : status == said, qPrintable(status));
        QCOMPARE(file.open(QIODevice::ReadOnly), !content.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), content.isEmpty() ? 1 : 2);
        QCOMPARE(fixture->messages.size(), content.isEmpty() ? 1 : 0);
        QVERIFY(content.isEmpty() ? fixture->messages[0].startsWith("Non è stato possibile esportare gli eventi in \"" +
                                                                     file.fileName())
                                  : file.readAll() == content);
        QVERIFY(!saved.endsWith(".csv") || content.isEmpty() || content.startsWith(SkyEventsCsv({}, SkyEventFileWords()))); // header first
    }

    // A date typed whole into "Dal" and ended with Enter is taken as typed
    // and searched; otherwise "Dal" keeps its moment, nothing is searched and
    // the status line says in red why.
    void aTypedDateIsTakenWholeOrRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDateTime>("taken"); // invalid: refused
        QTest::addColumn<QString>("reason");
        const QString form = " (si scrive come «8 dicembre 2026  21:30:00»).";
        const QString span = "Data fuori dall'intervallo calcolato, dal 1 gennaio 1885  00:00:00 al 31 dicembre "
                             "2099  23:59:59: ";
        QTest::newRow("one space") << "1 gennaio 2027 00:00:00" << Utc("2027-01-01T00:00:00") << "";
        QTest::newRow("as shown") << "1 gennaio 2027  00:00:00" << Utc("2027-01-01T00:00:00") << "";
        QTest::newRow("capital, spaces around") << " 15 Agosto 1969 07:08:09 " << Utc("1969-08-15T07:08:09") << "";
        QTest::newRow("an hour that Italy's summer time skips")
            << "29 marzo 2026 02:30:00" << Utc("2026-03-29T02:30:00") << "";
        QTest::newRow("the span's first second") << "1 gennaio 1885 00:00:00" << EarliestSkyMoment() << "";
        QTest::newRow("after the span") << "1 gennaio 2100 00:00:00" << QDateTime()
                                        << span + "«1 gennaio 2100 00:00:00».";
        QTest::newRow("before the span") << "31 dicembre 1884 23:59:59" << QDateTime()
                                         << span + "«31 dicembre 1884 23:59:59».";
        QTest::newRow("no such day") << "31 febbraio 2027 00:00:00" << QDateTime()
                                     << "Data non valida: «31 febbraio 2027 00:00:00»" + form;
        QTest::newRow("no time") << "1 gennaio 2027" << QDateTime() << "Data non valida: «1 gennaio 2027»" + form;
        QTest::newRow("ISO") << "2027-01-01 00:00:00" << QDateTime()
                             << "Data non valida: «2027-01-01 00:00:00»" + form;
        QTest::newRow("garbage") << "domani?" << QDateTime() << "Data non valida: «domani?»" + form;
        QTest::newRow("nothing") << "" << QDateTime() << "Data non valida: «»" + form;
    }

    void aTypedDateIsTakenWholeOrRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QDateTime, taken);
        QFETCH(QString, reason);
        const ScopedEnvironment italy({{"TZ", QByteArray("Europe/Rome")}}); // whose summer time skips an hour
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        int searches = 0;
        w.FindEvents = FindingKinds(searches);
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.txtDal->selectAll();
            QTest::keyClick(dialog.txtDal, Qt::Key_Backspace);
            QTest::keyClicks(dialog.txtDal, typed);
            QTest::keyClick(dialog.txtDal, Qt::Key_Return);
            QVERIFY(SearchEnds(dialog));
            QCOMPARE(dialog.txtDal->dateTime(), taken.isValid() ? taken : kNow);
            QCOMPARE(searches, taken.isValid() ? 2 : 1);
            QCOMPARE(dialog.lblMessaggio->styleSheet().contains("#c00000"), !reason.isEmpty());
            QVERIFY(reason.isEmpty() || dialog.lblMessaggio->text() == reason);
        }));
    }

    // Unticking a kind sifts the list at once; ticked again, its events come
    // back from the last search, or from a new one that was not asked for it.
    void theKindsTickedSiftTheList_data()
    {
        QTest::addColumn<QString>("steps"); // -n / +n: untick / tick kind n of kKinds; C: "Cerca"
        QTest::addColumn<int>("searches");
        QTest::addColumn<QList<int>>("shown"); // indices in kKinds
        QTest::newRow("unticked") << "-1" << 1 << QList<int>{0, 2};
        QTest::newRow("unticked, ticked") << "-1 +1" << 1 << QList<int>{0, 1, 2};
        QTest::newRow("two unticked") << "-1 -0" << 1 << QList<int>{2};
        QTest::newRow("searched without it, ticked") << "-1 C +1" << 3 << QList<int>{0, 1, 2};
    }

    void theKindsTickedSiftTheList()
    {
        QFETCH(QString, steps);
        QFETCH(int, searches);
        QFETCH(QList<int>, shown);
        OGLWin& w = fixture->Window();
        int searched = 0;
        w.FindEvents = FindingKinds(searched);
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            for (const QString& step : steps.split(' ')) {
                if (step == "C") {
                    dialog.cmdCerca->click();
                } else {
                    const auto kind = static_cast<std::size_t>(kKinds[step.mid(1).toUInt()].first);
                    dialog.chkGruppi[kind]->click();
                }
                QVERIFY(SearchEnds(dialog));
            }
            QCOMPARE(searched, searches);
            QStringList expected;
            for (const int i : shown) {
                expected << SkyEventText(kKinds[static_cast<std::size_t>(i)].second);
            }
            QCOMPARE(Column(*dialog.tblEventi, 1), expected);
            QCOMPARE(dialog.lblMessaggio->text(), QString("Eventi trovati: %1.").arg(shown.size()));
        }));
    }

    void rowsAreOneLineHigh()
    {
        QVERIFY(WithEventsDialog(fixture->Window(), [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.ShowEvents(kEvents);
            const int line = QFontMetrics(dialog.tblEventi->font()).lineSpacing();
            QVERIFY2(dialog.tblEventi->rowHeight(0) < line * 3 / 2, qPrintable(QString::number(line)));
        }));
    }

    // The kinds and the period's length chosen come back in the next run,
    // and the save dialog proposes the folder of the last export.
    void theChoicesAreKept()
    {
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QTemporaryDir exports;
        QString proposed;
        w.ChooseSaveFile = [&](const QString& path) {
            proposed = path;
            return SaveFileAnswer(exports.filePath("eventi.csv"));
        };
        int searches = 0;
        w.FindEvents = FindingKinds(searches);
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.chkGruppi[1]->click();
            dialog.chkGruppi[6]->click();
            dialog.txtAl->setDateTime(kNow.addDays(45));
            dialog.cmdCerca->click();
            QVERIFY(SearchEnds(dialog));
            dialog.cmdEsporta->click();
        }));
        w.Time.SystemClock = [] { return Utc("2030-05-01T12:00:00"); };
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            for (std::size_t i = 0; i < kSkyEventGroupCount; ++i) {
                QCOMPARE(dialog.chkGruppi[i]->isChecked(), i != 1 && i != 6);
            }
            QCOMPARE(dialog.txtAl->dateTime(), Utc("2030-06-15T12:00:00"));
            dialog.cmdEsporta->click();
        }));
        QCOMPARE(proposed, exports.filePath("Eventi del cielo 2030-05-01.csv"));
    }

    // Settings files made by hand: a sound one is read; what is missing,
    // unreadable or corrupt gives the defaults, without a word.
    void badSettingsGiveTheDefaults_data()
    {
        QTest::addColumn<QByteArray>("file"); // %1: a folder that exists
        QTest::addColumn<QString>("kinds");   // ticked, in the order of the boxes
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<bool>("folderKept");
        const QDateTime year = Utc("2027-12-08T21:30:00");
        QTest::newRow("sound") << QByteArray("[events]\nkinds=eclipses, seasons\nperiodDays=30.5\nexportFolder=%1\n")
                               << "1010000" << Utc("2027-01-08T09:30:00") << true;
        QTest::newRow("none ticked") << QByteArray("[events]\nkinds=@Invalid()\n") << "1111111" << year << false;
        QTest::newRow("no file") << QByteArray() << "1111111" << year << false;
        static constexpr char garbage[] = "\xff\xfe\0[events]\n\x80kinds=\0\xc3\nperiodDays\x01=30\n";
        QTest::newRow("garbage bytes") << QByteArray(garbage, sizeof garbage - 1) << "1111111" << year << false;
        QTest::newRow("a folder in the file's place") << QByteArray("/") << "1111111" << year << false;
        QTest::newRow("unknown kind") << QByteArray("[events]\nkinds=eclipses, comets\n") << "1111111" << year << false;
        QTest::newRow("kinds, a number") << QByteArray("[events]\nkinds=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n")
                                         << "1111111" << year << false;
        QTest::newRow("period -5") << QByteArray("[events]\nperiodDays=-5\n") << "1111111" << year << false;
        QTest::newRow("period 10^12") << QByteArray("[events]\nperiodDays=1000000000000\n") << "1111111" << year
                                      << false;
        QTest::newRow("period nan") << QByteArray("[events]\nperiodDays=nan\n") << "1111111" << year << false;
        QTest::newRow("period, words") << QByteArray("[events]\nperiodDays=un anno\n") << "1111111" << year << false;
        QTest::newRow("folder, a list") << QByteArray("[events]\nexportFolder=%1, %1\n") << "1111111" << year << false;
        QTest::newRow("folder gone") << QByteArray("[events]\nexportFolder=%1/via\n") << "1111111" << year << false;
    }

    void badSettingsGiveTheDefaults()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, kinds);
        QFETCH(QDateTime, to);
        QFETCH(bool, folderKept);
        QTemporaryDir folder;
        QVERIFY(QDir().mkpath(QFileInfo(SettingsFile()).path()));
        if (file == "/") {
            QVERIFY(QDir().mkpath(SettingsFile()));
        } else if (!file.isEmpty()) {
            QFile settings(SettingsFile());
            file.replace("%1", folder.path().toUtf8());
            QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(file) == file.size());
        }
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return kNow; };
        QString proposed;
        w.ChooseSaveFile = [&](const QString& path) {
            proposed = path;
            return SaveFileAnswer();
        };
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            QString ticked;
            for (const QCheckBox* box : dialog.chkGruppi) {
                ticked += box->isChecked() ? '1' : '0';
            }
            QCOMPARE(ticked, kinds);
            QCOMPARE(dialog.txtAl->dateTime(), to);
            dialog.ShowEvents(kEvents);
            dialog.cmdEsporta->click();
        }));
        QCOMPARE(proposed.startsWith(folder.path() + '/'), folderKept);
        QVERIFY(fixture->messages.isEmpty());
    }
};

QTEST_MAIN(SkyEventsDialogTest)
#include "test_sky_events_dialog.moc"
