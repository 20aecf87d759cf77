#include "deadlines.h"
#include "frm_peta.h"
#include "gl_view.h"
#include "body_orbits.h"
#include "info_card.h"
#include "main_window_fixture.h"
#include "planet_catalogue.h"
#include "texts_sky.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

namespace {

// Deadline for what the X server delivers after a real pointer move.
constexpr int kDeliveryMs = 5000;

QString NameOf(std::uint8_t body)
{
    return BodyCardText(body).section('\n', 0, 0);
}

} // namespace

class InfoCardTest : public LoadedWindowTest {
    Q_OBJECT

    void WindowLoaded() override
    {
        card = WindowParts::Card(fixture->Window());
        QVERIFY(card != nullptr);
        QVERIFY(!card->isVisible());
    }

private slots:
    void initTestCase() { XPModule::InitPlanetData(); }

    void namesTheBodyBesideThePointer_data()
    {
        QTest::addColumn<QVector3D>("where");
        QTest::addColumn<int>("body");
        QTest::addColumn<QString>("name");
        QTest::newRow("Sun") << QVector3D(0, 0, 0) << int(Sun) << "Sole";
        QTest::newRow("Venus") << QVector3D(18, 0, 0) << int(Venus) << "Venere";
        QTest::newRow("Mercury") << QVector3D(10, 0, 0) << int(Mercury) << "Mercurio";
    }

    void namesTheBodyBesideThePointer()
    {
        QFETCH(QVector3D, where);
        QFETCH(int, body);
        QFETCH(QString, name);
        OGLWin& w = fixture->Window();
        const QPointF at = fixture->ViewPointOf(where.x(), where.y(), where.z());
        fixture->PointAt(at);
        QCOMPARE(int(w.Scene.Selected), body);
        QVERIFY(card->isVisible()); // at once, with no tooltip delay
        QCOMPARE(card->lblName->text(), name);
        QVERIFY(card->lblName->font().bold());
        QCOMPARE(card->lblFigures->text(), BodyCardText(std::uint8_t(body)).section('\n', 1));
        QVERIFY(card->isWindow());
        QVERIFY(card->windowFlags().testFlag(Qt::ToolTip));
        QVERIFY(QTest::qWaitForWindowExposed(card));

        // Beside the pointer, not under it.
        const QPoint pointer = Ui(w).glView1->mapToGlobal(at).toPoint();
        QVERIFY(!card->frameGeometry().contains(pointer));
        QVERIFY(card->frameGeometry().adjusted(-40, -40, 40, 40).contains(pointer));
    }

    void followsThePointerOverTheBody()
    {
        OGLWin& w = fixture->Window();
        const QPointF sun = fixture->ViewPointOf(0, 0, 0);
        fixture->PointAt(sun);
        const QPoint before = card->pos();
        fixture->PointAt(sun + QPointF(10, 6));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Sun});
        QCOMPARE(card->pos(), before + QPoint(10, 6));
    }

    // Near an edge or a corner of the view the card moves to the pointer's
    // other side, and always stands wholly inside the view.
    void staysWhollyInsideTheView_data()
    {
        QTest::addColumn<QPointF>("share"); // the pointer's place as shares of the view's width and height
        QTest::newRow("the middle") << QPointF(0.5, 0.5);
        QTest::newRow("the right edge") << QPointF(0.99, 0.5);
        QTest::newRow("the bottom edge") << QPointF(0.5, 0.99);
        QTest::newRow("the bottom right corner") << QPointF(0.995, 0.995);
        QTest::newRow("the top left corner") << QPointF(0.0, 0.0);
    }

    void staysWhollyInsideTheView()
    {
        QFETCH(QPointF, share);
        OGLWin& w = fixture->Window();
        const QWindow* view = Ui(w).glView1;
        const QPoint pointer = view->mapToGlobal(
            QPoint(int(share.x() * (view->width() - 1)), int(share.y() * (view->height() - 1))));
        card->Follow(Jupiter, pointer);
        QVERIFY(card->isVisible());
        const QRect inside(view->mapToGlobal(QPoint(0, 0)), view->size());
        QVERIFY2(inside.contains(card->frameGeometry()),
                 qPrintable(QString("%1,%2 %3x%4").arg(card->x()).arg(card->y()).arg(card->width()).arg(card->height())));
        QVERIFY(!card->frameGeometry().contains(pointer)); // beside the pointer, never under it
    }

    // A double click follows a body: the card goes with it to the middle,
    // until the pointer moves on.
    void staysWithAFollowedBody()
    {
        OGLWin& w = fixture->Window();
        const std::array<double, 3> saturn = BodyCentre(w.Scene, Saturn);
        const QPointF at = fixture->ViewPointOf(saturn[0], saturn[1], saturn[2]);
        QTest::mouseDClick(Ui(w).glView1, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(w.Scene.Selected, std::uint8_t{Saturn});
        for (int frame = 0; frame < 120; ++frame) {
            fixture->Pass(1.0 / 60);
        }
        const QPoint middle = Ui(w).glView1->mapToGlobal(QPoint(Ui(w).glView1->width() / 2, Ui(w).glView1->height() / 2));
        QVERIFY(card->isVisible());
        QCOMPARE(card->lblName->text(), QString("Saturno"));
        // Right of Saturn at the middle, its rings included, at its height.
        const QPoint offset = card->pos() - middle;
        QVERIFY2(offset.x() > 0 && offset.x() < 150 && std::abs(offset.y()) < 40,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));

        fixture->PointAt(QPointF(5, 5)); // the pointer moves on, over empty sky
        QVERIFY(!card->isVisible());
    }

    void changesWithTheBodyAndHidesOverEmptySpace()
    {
        OGLWin& w = fixture->Window();
        fixture->PointAt(fixture->ViewPointOf(0, 0, 0));
        QCOMPARE(card->lblName->text(), QString("Sole"));
        fixture->PointAt(fixture->ViewPointOf(18, 0, 0));
        QCOMPARE(card->lblName->text(), QString("Venere"));
        QVERIFY(card->isVisible());
        fixture->PointAt(QPointF(5, 5));
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody});
        QVERIFY(!card->isVisible());
    }

    void neverTakesTheFocus()
    {
        OGLWin& w = fixture->Window();
        w.activateWindow();
        Ui(w).glView1Container->setFocus();
        // The container hands the focus on to the view's surface.
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == Ui(w).glView1, kDeliveryMs);
        QWindow* focusWindow = QGuiApplication::focusWindow();
        fixture->PointAt(fixture->ViewPointOf(0, 0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(card));
        fixture->Pass();
        QVERIFY(card->isVisible());
        QCOMPARE(QGuiApplication::focusWindow(), focusWindow);
        QCOMPARE(QApplication::activeWindow(), &w);
        QVERIFY(!card->isActiveWindow());
        QVERIFY(!card->hasFocus() && !card->isAncestorOf(QApplication::focusWidget()));
    }

    // Real pointer moves through the X server: the card lets them through to
    // the view, and leaving the view hides it.
    void letsThePointerThroughAndHidesWhenItLeaves()
    {
        OGLWin& w = fixture->Window();
        const QPointF mercury = fixture->ViewPointOf(10, 0, 0);
        fixture->PointAt(mercury);
        QCOMPARE(w.Scene.Selected, std::uint8_t{Mercury});
        const QPointF onCard = Ui(w).glView1->mapFromGlobal(QPointF(card->geometry().center()));
        fixture->PointAt(onCard);
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody}); // the card stands over empty space

        QCursor::setPos(Ui(w).glView1->mapToGlobal(mercury).toPoint());
        QTRY_COMPARE_WITH_TIMEOUT(w.Scene.Selected, std::uint8_t{Mercury}, kDeliveryMs);
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QCursor::setPos(Ui(w).glView1->mapToGlobal(onCard).toPoint());
        QTRY_COMPARE_WITH_TIMEOUT(w.Scene.Selected, std::uint8_t{NoBody}, kDeliveryMs);
        QVERIFY(!card->isVisible());

        QCursor::setPos(Ui(w).glView1->mapToGlobal(mercury).toPoint());
        QTRY_VERIFY_WITH_TIMEOUT(card->isVisible(), kDeliveryMs);
        QCursor::setPos(Ui(w).ChkPath->mapToGlobal(Ui(w).ChkPath->rect().center()));
        QTRY_VERIFY_WITH_TIMEOUT(!card->isVisible(), kDeliveryMs);
        QCOMPARE(w.Scene.Selected, std::uint8_t{Mercury}); // the pick itself stays in force
    }

    // The halo is read from the screen, on the side of the Sun away from the
    // card.
    void pickingAndTheHaloGoOnWhileItShows()
    {
        OGLWin& w = fixture->Window();
        const QPointF sun = fixture->ViewPointOf(0, 0, 0);
        const QPointF besideSun = fixture->ViewPointOf(-3.6, 0, 0);
        const long plain = ScreenBrightness(besideSun);
        fixture->PointAt(sun);
        QVERIFY(QTest::qWaitForWindowExposed(card));
        QVERIFY(!card->frameGeometry().contains(Ui(w).glView1->mapToGlobal(besideSun).toPoint()));
        fixture->Pass();
        QVERIFY2(ScreenBrightness(besideSun) > plain, "the halo is drawn");
        QVERIFY(card->isVisible());
        fixture->PointAt(fixture->ViewPointOf(18, 0, 0));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Venus});
        fixture->Pass();
        QCOMPARE(ScreenBrightness(besideSun), plain);
    }

    void hidesWhileThePictureWindowIsOpen()
    {
        OGLWin& w = fixture->Window();
        const QPointF sun = fixture->ViewPointOf(0, 0, 0);
        fixture->PointAt(sun);
        QVERIFY(card->isVisible());
        bool shownOnOpening = true;
        bool shownAfterMoves = true;
        std::uint8_t selectedAfterMoves = NoBody;
        QVERIFY(WithModalDialog<FrmPeta>([&] { WindowParts::Picture(w)->trigger(); }, [&](FrmPeta&) {
            shownOnOpening = card->isVisible();
            // Moves over the view while it is open, delivered or not.
            fixture->PointAt(sun + QPointF(1, 1));
            w.glView1_MouseMove(float(sun.x()), float(sun.y()));
            shownAfterMoves = card->isVisible();
            selectedAfterMoves = w.Scene.Selected;
        }));
        QVERIFY(!shownOnOpening);
        QVERIFY(!shownAfterMoves);
        QCOMPARE(selectedAfterMoves, std::uint8_t{Sun});
        QVERIFY(!card->isVisible());
        fixture->PointAt(sun);
        QVERIFY(card->isVisible());
    }

    // Quick moves along the planets' row and onto the Moon, with the window
    // resized between them: the card is always the one of the current pick,
    // or none.
    void quickMovesAcrossBodiesLeaveNoStaleCard()
    {
        OGLWin& w = fixture->Window();
        Ui(w).HScroll->setValue(120); // every planet in sight
        fixture->Pass();
        QList<QVector3D> walk;
        for (int step = 0; step <= 180; ++step) {
            walk << QVector3D(step * 0.5F, 0, 0);
        }
        walk.insert(51, QVector3D(25, 2.12F, 2.12F)); // the Moon, at its angle 0
        QSet<int> named;
        for (qsizetype i = 0; i < walk.size(); ++i) {
            if (i % 45 == 44) {
                w.resize(w.width() + 9, w.height());
                fixture->Pass();
            }
            fixture->PointAt(fixture->ViewPointOf(walk[i].x(), walk[i].y(), walk[i].z()));
            const std::uint8_t selected = w.Scene.Selected;
            QCOMPARE(card->isVisible(), selected != NoBody);
            if (selected != NoBody) {
                named.insert(selected);
                QCOMPARE(card->lblName->text(), NameOf(selected));
            }
        }
        QCOMPARE(named.size(), 11);
    }

private:
    // Summed brightness of the 3x3 square at `point` of the view as the
    // screen shows it.
    long ScreenBrightness(QPointF point)
    {
        OGLWin& w = fixture->Window();
        const QImage shot = Ui(w).glView1->screen()->grabWindow(Ui(w).glView1->winId()).toImage();
        const double ratio = shot.devicePixelRatio();
        const QPoint centre = (point * ratio).toPoint();
        long sum = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QColor c = shot.pixelColor(centre + QPoint(dx, dy));
                sum += c.red() + c.green() + c.blue();
            }
        }
        return sum;
    }

    InfoCard* card = nullptr;
};

QTEST_MAIN(InfoCardTest)
#include "test_info_card.moc"
