#include "scoped_settings.h"
#include "settings_file.h"
#include "window_place.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The window's place read back from hand-written settings files: only what
// fits a screen present now is taken; anything else gives the start place.
class WindowPlaceTest : public QObject {
    Q_OBJECT

private slots:
    void keptPlaceOnlyWhereItFits_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QRect>("expected"); // a null rect: none
        QTest::addColumn<bool>("maximised");
        const QByteArray placed = "[window]\ngeometry=@Rect(100 80 1000 700)\nmaximised=%1\n";
        QTest::newRow("on the first screen") << QByteArray(placed).replace("%1", "false") << QRect(100, 80, 1000, 700)
                                             << false;
        QTest::newRow("maximised") << QByteArray(placed).replace("%1", "true") << QRect(100, 80, 1000, 700) << true;
        QTest::newRow("on the second screen") << QByteArray("[window]\ngeometry=@Rect(2000 100 800 600)\n")
                                              << QRect(2000, 100, 800, 600) << false;
        QTest::newRow("across both screens") << QByteArray("[window]\ngeometry=@Rect(1500 100 800 600)\n") << QRect()
                                             << false;
        QTest::newRow("on a screen that is gone") << QByteArray("[window]\ngeometry=@Rect(4000 100 800 600)\n")
                                                  << QRect() << false;
        QTest::newRow("no size") << QByteArray("[window]\ngeometry=@Rect(100 100 0 0)\n") << QRect() << false;
        QTest::newRow("letters for numbers") << QByteArray("[window]\ngeometry=@Rect(a b c d)\n") << QRect() << false;
        QTest::newRow("a plain word") << QByteArray("[window]\ngeometry=grande\n") << QRect() << false;
        QTest::newRow("binary noise") << QByteArray::fromHex("01ff5b007f3d0a0a3d5d") << QRect() << false;
        QTest::newRow("empty") << QByteArray() << QRect() << false;
    }

    void keptPlaceOnlyWhereItFits()
    {
        QFETCH(QByteArray, file);
        QFETCH(QRect, expected);
        QFETCH(bool, maximised);
        const ScopedSettings scoped;
        QVERIFY(QDir().mkpath(QFileInfo(scoped.FilePath()).path()));
        QFile written(scoped.FilePath());
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(file);
        written.close();
        const QList<QRect> screens{{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
        const auto kept = KeptWindowPlace(*OpenSettings(), screens);
        QCOMPARE(kept.has_value(), !expected.isNull());
        if (kept) {
            QCOMPARE(kept->geometry, expected);
            QCOMPARE(kept->maximised, maximised);
        }
    }

    // What is kept is read back whole.
    void keptAndReadBack()
    {
        const ScopedSettings scoped;
        KeepWindowPlace(*OpenSettings(), {.geometry = {30, 40, 900, 620}, .maximised = true});
        const auto kept = KeptWindowPlace(*OpenSettings(), {{0, 0, 1024, 768}});
        QVERIFY(kept.has_value());
        QCOMPARE(kept->geometry, QRect(30, 40, 900, 620));
        QVERIFY(kept->maximised);
    }
};

QTEST_GUILESS_MAIN(WindowPlaceTest)
#include "test_window_place.moc"
