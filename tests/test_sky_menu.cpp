#include "main_window_fixture.h"
#include "window_parts.h"

#include <QAction>
#include <QtTest>

// The three items of the sky behind the bodies in the real window: off at
// start, S and C turn theirs, and data that could not be read leaves its
// item unavailable while the window runs on.
class SkyMenuTest : public LoadedWindowTest {
    Q_OBJECT

private slots:
    void offAtStart()
    {
        const ViewMenu& menu = Vista(fixture->Window());
        for (const QAction* item : {menu.mnustelle, menu.mnucostellazioni, menu.mnuvialattea}) {
            QVERIFY(item->isCheckable());
            QVERIFY(!item->isChecked());
        }
    }

    void keysAndTogglesTurnThemOn()
    {
        OGLWin& window = fixture->Window();
        QCOMPARE(Vista(window).mnustelle->shortcut(), QKeySequence(Qt::Key_S));
        QCOMPARE(Vista(window).mnucostellazioni->shortcut(), QKeySequence(Qt::Key_C));
        for (QAction* item : {Vista(window).mnustelle, Vista(window).mnucostellazioni, Vista(window).mnuvialattea}) {
            item->trigger();
            QVERIFY(item->isChecked());
        }
        fixture->Pass();
    }

    void unreadableDataLeavesItemsUnavailable()
    {
        OGLWin& window = fixture->Window();
        Vista(window).mnustelle->setChecked(true);
        WindowParts::AdoptSky(window, std::make_shared<const SkyBackdropData>(LoadSkyBackdrop(
                                          {QStringLiteral("/nonexistent/BSC"), QStringLiteral("/nonexistent/arcs"),
                                           QStringLiteral("/nonexistent/mw.jpg")})));
        const ViewMenu& menu = Vista(window);
        for (const QAction* item : {menu.mnustelle, menu.mnucostellazioni, menu.mnuvialattea}) {
            QVERIFY(!item->isEnabled());
            QVERIFY(!item->isChecked());
        }
        fixture->Pass();
    }
};

QTEST_MAIN(SkyMenuTest)
#include "test_sky_menu.moc"
