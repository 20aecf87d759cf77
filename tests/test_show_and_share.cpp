// Full screen, the picture saved or copied, and the view's keys.
#include "gl_view.h"
#include "deadlines.h"
#include "main_window_fixture.h"
#include "ogl_module.h"
#include "scoped_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <array>

namespace {

constexpr int kShowTimeoutMs = 5000;

} // namespace

class ShowAndShareTest : public LoadedWindowTest {
    Q_OBJECT

private slots:
    // Each key works its control, so settings, bars and labels agree.
    void theViewsKeysWorkTheControls_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after"); // panX panY tilt zoom speedBar secondsPerYear
        QTest::newRow("down: the scene down") << int(Qt::Key_Down) << "0 4 25 35 10 220";
        QTest::newRow("up") << int(Qt::Key_Up) << "0 6 25 35 10 220";
        QTest::newRow("left") << int(Qt::Key_Left) << "-1 5 25 35 10 220";
        QTest::newRow("right") << int(Qt::Key_Right) << "1 5 25 35 10 220";
        QTest::newRow("page up: tilt up") << int(Qt::Key_PageUp) << "0 5 24 35 10 220";
        QTest::newRow("page down") << int(Qt::Key_PageDown) << "0 5 26 35 10 220";
        QTest::newRow("+ magnifies") << int(Qt::Key_Plus) << "0 5 25 30 10 220";
        QTest::newRow("-") << int(Qt::Key_Minus) << "0 5 25 40 10 220";
        QTest::newRow("> faster") << int(Qt::Key_Greater) << "0 5 25 35 20 190";
        QTest::newRow("< slower") << int(Qt::Key_Less) << "0 5 25 35 5 205";
    }

    void theViewsKeysWorkTheControls()
    {
        QFETCH(int, key);
        QFETCH(QString, after);
        OGLWin& w = fixture->Window();
        QTest::keyClick(Ui(w).glView1, static_cast<Qt::Key>(key));
        const QString state = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                  .arg(XPModule::ViewPanX)
                                  .arg(XPModule::ViewPanY)
                                  .arg(Ui(w).lblRotaSi->text())
                                  .arg(XPModule::PerspectiveAngle)
                                  .arg(Ui(w).HSpeed->value())
                                  .arg(XPModule::SecondsPerYear);
        QCOMPARE(state, after);
        QCOMPARE(Ui(w).HScroll->value(), int(XPModule::PerspectiveAngle));
    }

    // The saved file is the frame as drawn, the right way up, under the name
    // the dialog proposes: in the Pictures folder (the home folder where
    // there is none), telling the local moment (the test runs in Rome), or
    // the sky's moment in UTC once the sky is real.
    void savesAndCopiesTheFrame_data()
    {
        QTest::addColumn<bool>("picturesFolder");
        QTest::addColumn<QDateTime>("sky"); // invalid: the sky is not real
        QTest::addColumn<QString>("name");
        QTest::newRow("a Pictures folder") << true << QDateTime() << "Pictures/Il sistema solare 2026-12-08 21.30.05.png";
        QTest::newRow("no Pictures folder") << false << QDateTime() << "Il sistema solare 2026-12-08 21.30.05.png";
        QTest::newRow("the real sky") << true << QDateTime(QDate(2027, 8, 2), QTime(10, 0), Qt::UTC)
                                      << "Pictures/Il sistema solare 2027-08-02 10.00.00 UTC.png";
    }

    void savesAndCopiesTheFrame()
    {
        QFETCH(bool, picturesFolder);
        QFETCH(QDateTime, sky);
        QFETCH(QString, name);
        OGLWin& w = fixture->Window();
        w.Time.SystemClock = [] { return QDateTime(QDate(2026, 12, 8), QTime(20, 30, 5), Qt::UTC); };
        QVERIFY(!sky.isValid() || w.SetSkyMoment(sky));
        QTemporaryDir home;
        const ScopedEnvironment environment({{"HOME", home.path().toLocal8Bit()}, {"XDG_CONFIG_HOME", QByteArray()}});
        QVERIFY(!picturesFolder || QDir(home.path()).mkdir("Pictures"));
        QString proposed;
        bool pausedInDialog = false;
        w.ChooseSaveFile = [&](const QString& offered) {
            proposed = offered;
            pausedInDialog = OGLModule::FrameTimer().Paused();
            return offered;
        };
        glEnable(0); // an error left behind by some earlier call
        Vista(w).mnusalva->trigger();
        QVERIFY2(fixture->messages.isEmpty(), qPrintable(fixture->messages.join('\n')));
        QCOMPARE(proposed, QDir(home.path()).filePath(name));
        QVERIFY(pausedInDialog);
        const QImage saved = QImage(proposed).convertToFormat(QImage::Format_RGBX8888);
        const QImage frame = w.FrameImage();
        QVERIFY(!frame.isNull());
        QCOMPARE(saved, frame);
        const double ratio = Ui(w).glView1->devicePixelRatio();
        QCOMPARE(saved.size(), (QSizeF(Ui(w).glView1->size()) * ratio).toSize());
        const QPointF sun = fixture->ViewPointOf(0, 0, 0) * ratio;
        QVERIFY(IsSunOrange(saved.pixel(sun.toPoint())));
        QCOMPARE(saved.pixel(2, 2) & 0xFFFFFF, 0u);

        Vista(w).mnucopia->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGBX8888), frame);

        // The next picture is proposed in the folder the last one went to.
        QTemporaryDir elsewhere;
        w.ChooseSaveFile = [&](const QString& offered) {
            proposed = offered;
            return QDir(elsewhere.path()).filePath("vista.png");
        };
        Vista(w).mnusalva->trigger();
        Vista(w).mnusalva->trigger();
        QCOMPARE(QFileInfo(proposed).path(), elsewhere.path());
    }

    void aFileThatCannotBeWrittenIsNamedAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a folder that cannot be written") << "/proc/vista.png";
        QTest::newRow("no extension") << "%1/vista";
    }

    void aFileThatCannotBeWrittenIsNamedAndLeavesNothing()
    {
        QFETCH(QString, name);
        OGLWin& w = fixture->Window();
        QTemporaryDir folder;
        const QString path = name.contains("%1") ? name.arg(folder.path()) : name;
        w.ChooseSaveFile = [&](const QString&) { return path; };
        Vista(w).mnusalva->trigger();
        QCOMPARE(fixture->messages.size(), 1);
        QVERIFY2(fixture->messages.front().startsWith("Non è stato possibile salvare l'immagine \"" + path + "\": "),
                 qPrintable(fixture->messages.front()));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    // Full screen shows the view alone, picks in it, and gives back the
    // window as it was.
    void fullScreenAndBack()
    {
        OGLWin& w = fixture->Window();
        const QRect before = w.geometry();
        Vista(w).mnuschermo->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(w.isFullScreen() && w.size() == w.screen()->size(), qPrintable(QString("%1 %2x%3 %4x%5").arg(w.isFullScreen()).arg(w.width()).arg(w.height()).arg(w.screen()->size().width()).arg(w.screen()->size().height())), kShowTimeoutMs);
        QCOMPARE(Ui(w).glView1Container->size(), w.size());
        QVERIFY(!w.menuBar()->isVisible() && !Ui(w).HScroll->isVisible() && !Ui(w).ChkPath->isVisible());
        const QLabel* hint = WindowParts::FullScreenHint(w);
        QVERIFY(hint != nullptr);
        QCOMPARE(hint->text(), QString("F11 o Esc per tornare alla finestra"));
        QVERIFY(w.screen()->geometry().contains(hint->frameGeometry()));
        QVERIFY(hint->y() < w.screen()->geometry().top() + 100); // at the top of the screen
        fixture->Pass();
        std::array<GLint, 4> viewport{};
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        QCOMPARE(QSize(viewport[2], viewport[3]), (QSizeF(w.size()) * Ui(w).glView1->devicePixelRatio()).toSize());
        fixture->PointAt(fixture->ViewPointOf(0, 0, 0));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Sun});

        // Escape first lets a body chosen from the keyboard go, then leaves.
        QTest::keyClick(Ui(w).glView1, Qt::Key_3);
        QTest::keyClick(Ui(w).glView1, Qt::Key_Escape);
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody});
        QVERIFY(w.isFullScreen());
        QTest::keyClick(Ui(w).glView1, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!w.isFullScreen() && w.geometry() == before, kShowTimeoutMs);
        QVERIFY(WindowParts::FullScreenHint(w) == nullptr);
        QVERIFY(w.menuBar()->isVisible() && Ui(w).HScroll->isVisible() && Ui(w).ChkPath->isVisible());
        QVERIFY(!Ui(w).ChkCam->isVisible() && !Ui(w).lblRotaSi->isVisible());
        QCOMPARE(Ui(w).glView1Container->height(), 473);
        QVERIFY(!Vista(w).mnuesci->isEnabled());
    }


    // F1 lists the view's keys, the menus' shortcuts and the mouse.
    void helpTellsTheKeysAndTheMouse()
    {
        OGLWin& w = fixture->Window();
        QMap<QString, QString> rows;
        QVERIFY(WithModalDialog<QDialog>([&] { QTest::keyClick(Ui(w).glView1, Qt::Key_F1); },
                                         [&](QDialog& window) {
                                             const auto* table = window.findChild<QTableWidget*>();
                                             QVERIFY(table != nullptr);
                                             for (int row = 0; row < table->rowCount(); ++row) {
                                                 rows.insert(table->item(row, 0)->text(), table->item(row, 1)->text());
                                             }
                                         }));
        const QMap<QString, QString> expected{
            {"Shift+Left", "Ruota la scena verso sinistra"}, {"3", "Sceglie Terra"},
            {"PgUp", "Inclina il quadro verso l'alto"},     {"F11", "Vista: Schermo intero"},
            {"Ctrl+E", "Tempo: Eventi del cielo…"},         {"F1", "Aiuto: Tasti e comandi"},
            {"Rotella", "Ingrandisce o rimpicciolisce (Zoom)"}};
        for (auto row = expected.begin(); row != expected.end(); ++row) {
            QCOMPARE(rows.value(row.key()), row.value());
        }

        QString about;
        QVERIFY(WithModalDialog<QDialog>([&] { WindowParts::Help(w).mnuinformazioni->trigger(); },
                                         [&](QDialog& window) { about = window.findChild<QLabel*>()->text(); }));
        for (const char* told : {"0.1.0", "libnova", "VSOP87", "Bright Star Catalogue", "OpenUniverse", "GNU LGPL"}) {
            QVERIFY2(about.contains(told), told);
        }
    }
};

QTEST_MAIN(ShowAndShareTest)
#include "test_show_and_share.moc"
