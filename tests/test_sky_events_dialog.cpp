#include "deadlines.h"
#include "body_orbits.h"
#include "frm_eventi.h"
#include "main_window_fixture.h"
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

} // namespace

class SkyEventsDialogTest : public LoadedWindowTest {
    Q_OBJECT

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
        QVERIFY(WithEventsDialog(w, [&](FrmEventi& dialog) {
            QVERIFY(SearchEnds(dialog));
            dialog.ShowEvents(kEvents);
            ClickHeader(*dialog.tblEventi, 1);
            dialog.cmdEsporta->click();
        }));
        QFile file(folder.filePath(saved));
        QCOMPARE(file.open(QIODevice::ReadOnly), !content.isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), content.isEmpty() ? 1 : 2);
        QCOMPARE(fixture->messages.size(), content.isEmpty() ? 1 : 0);
        QVERIFY(content.isEmpty() ? fixture->messages[0].startsWith("Non è stato possibile esportare gli eventi in \"" +
                                                                     file.fileName())
                                  : file.readAll() == content);
        QVERIFY(!saved.endsWith(".csv") || content.isEmpty() || content.startsWith(SkyEventsCsv({}, SkyEventFileWords()))); // header first
    }
};

QTEST_MAIN(SkyEventsDialogTest)
#include "test_sky_events_dialog.moc"
