#include "gl_view.h"
#include "info_card.h"
#include "main_window_fixture.h"
#include "sky_bodies.h"
#include "texts_sky.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include <cmath>

namespace {

// Saturn a sixth of a turn round, where a wider view shows it.
constexpr float kSaturnAngle = 60;
constexpr double kSaturnDistance = 65;
const double kSaturnX = kSaturnDistance * std::cos(kSaturnAngle * M_PI / 180);
const double kSaturnZ = -kSaturnDistance * std::sin(kSaturnAngle * M_PI / 180);

struct Announcement {
    QAccessible::Event type;
    QString text;
};
QObject* announcer = nullptr;
QList<Announcement> announcements;

void RecordAnnouncement(QAccessibleEvent* event)
{
    if (event->object() == announcer) {
        QAccessibleInterface* card = event->accessibleInterface();
        announcements.append({event->type(), card != nullptr ? card->text(QAccessible::Name) : QString()});
    }
}

} // namespace

class BodyNamesTest : public LoadedWindowTest {
    Q_OBJECT

    void WindowLoaded() override
    {
        fixture->Window().Scene.OrbitAngle[Saturn] = kSaturnAngle;
        fixture->Pass();
    }

private slots:
    void initTestCase() { XPModule::InitPlanetData(); }

    void namesStandBesideTheBodiesAndLeaveNoTrace()
    {
        OGLWin& w = fixture->Window();
        QVERIFY(!Vista(w).mnunomi->isChecked());
        QCOMPARE(Vista(w).mnunomi->shortcut(), QKeySequence(Qt::Key_N));
        QVERIFY(w.actions().contains(Vista(w).mnunomi));
        Ui(w).HScroll->setValue(60); // wide enough for Saturn and its name
        const QImage before = w.FrameImage();
        Vista(w).mnunomi->trigger();
        const QImage named = w.FrameImage();
        Vista(w).mnunomi->trigger();
        QVERIFY(!Vista(w).mnunomi->isChecked());
        QCOMPARE(w.FrameImage(), before); // off, every pixel as before

        // Right of each body's edge, where nothing bright stood before.
        const double ratio = Ui(w).glView1->devicePixelRatio();
        const QPointF sunEdge = fixture->ViewPointOf(3, 0, 0);
        const QPointF saturnEdge = fixture->ViewPointOf(kSaturnX + 4.5, 0, kSaturnZ);
        QVERIFY(QRectF(QPointF(0, 0), Ui(w).glView1->size()).contains(saturnEdge + QPointF(50, 0)));
        QVERIFY2(NameShownAt(named, before, sunEdge, ratio), "no name beside the Sun");
        QVERIFY2(NameShownAt(named, before, saturnEdge, ratio), "no name beside Saturn");
        // Nor does the picking pass see them: left of the Sun's name, empty sky.
        fixture->PointAt(sunEdge + QPointF(30, 0));
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody});
    }

    void keysChooseTheBodies_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("body");
        QTest::addColumn<QVector3D>("where");
        QTest::newRow("0 Sole") << int(Qt::Key_0) << int(Sun) << QVector3D(0, 0, 0);
        const std::array<float, 9> distances{10, 18, 25, 39, 50, 65, 74, 80, 85};
        for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
            const bool saturn = kPlanetIds[i] == Saturn;
            const QVector3D where(saturn ? float(kSaturnX) : distances[i], 0, saturn ? float(kSaturnZ) : 0);
            QTest::addRow("%zu %s", i + 1, qPrintable(BodyName(kPlanetIds[i])))
                << int(Qt::Key_1 + int(i)) << int(kPlanetIds[i]) << where;
        }
        QTest::newRow("L Luna") << int(Qt::Key_L) << int(Moon) << QVector3D(25, 3 * M_SQRT1_2, 3 * M_SQRT1_2);
    }

    void keysChooseTheBodies()
    {
        QFETCH(int, key);
        QFETCH(int, body);
        QFETCH(QVector3D, where);
        OGLWin& w = fixture->Window();
        Ui(w).HScroll->setValue(Ui(w).HScroll->maximum()); // the widest view shows all the bodies
        fixture->Pass();
        QTest::keyClick(Ui(w).glView1, Qt::Key(key));
        QCOMPARE(int(w.Scene.Selected), body);
        QVERIFY(WindowParts::Card(w)->isVisible());
        QCOMPARE(WindowParts::Card(w)->lblName->text(), BodyName(std::uint8_t(body)));

        // Beside the body, far from the pointer, and it stays there while
        // the body stands still on its orbit.
        const float angle = w.Scene.OrbitAngle[body];
        fixture->Pass(1);
        QCOMPARE(w.Scene.OrbitAngle[body], angle);
        const QPoint at = Ui(w).glView1->mapToGlobal(fixture->ViewPointOf(where.x(), where.y(), where.z())).toPoint();
        const QRect card = WindowParts::Card(w)->frameGeometry();
        QVERIFY2(!card.contains(at) && card.adjusted(-40, -40, 40, 40).contains(at),
                 qPrintable(QStringLiteral("card at %1,%2, body at %3,%4").arg(card.x()).arg(card.y()).arg(at.x()).arg(at.y())));
        QVERIFY(!card.adjusted(-200, -200, 200, 200).contains(QCursor::pos()));

        QTest::keyClick(Ui(w).glView1, Qt::Key_Escape);
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody});
        QVERIFY(!WindowParts::Card(w)->isVisible());
        fixture->Pass();
        QVERIFY(!WindowParts::Card(w)->isVisible());
    }

    // Jupiter a quarter turn round stands nearer than the eye, behind it:
    // chosen, it gets no card.
    void aBodyBehindTheViewerGetsNoCard()
    {
        OGLWin& w = fixture->Window();
        w.Scene.OrbitAngle[Jupiter] = 270;
        fixture->Pass();
        QTest::keyClick(Ui(w).glView1, Qt::Key_5);
        QCOMPARE(w.Scene.Selected, std::uint8_t{Jupiter});
        QVERIFY(!WindowParts::Card(w)->isVisible());
    }

    void thePointerTakesTheSelectionBack()
    {
        OGLWin& w = fixture->Window();
        QTest::keyClick(Ui(w).glView1, Qt::Key_2);
        QCOMPARE(w.Scene.Selected, std::uint8_t{Venus});
        fixture->PointAt(QPointF(5, 5));
        QCOMPARE(w.Scene.Selected, std::uint8_t{NoBody});
        fixture->Pass();
        QVERIFY(!WindowParts::Card(w)->isVisible());
    }

    // Qt hands the events on only while an assistive technology has made
    // accessibility active (an AT-SPI bus on Linux); without one, the card's
    // accessible name is checked and the events are not seen.
    void screenReadersHearEachNewCard()
    {
        OGLWin& w = fixture->Window();
        announcer = WindowParts::Card(w);
        announcements.clear();
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&RecordAnnouncement);
        const auto heard = [](QAccessible::Event type) {
            int count = 0;
            for (const Announcement& said : announcements) {
                count += said.type == type ? 1 : 0;
            }
            return count;
        };
        const auto cardName = [&w] { return QAccessible::queryAccessibleInterface(WindowParts::Card(w))->text(QAccessible::Name); };

        QTest::keyClick(Ui(w).glView1, Qt::Key_0);
        QCOMPARE(cardName(), BodyCardText(Sun));
        fixture->Pass(0.1);
        QTest::keyClick(Ui(w).glView1, Qt::Key_0); // the same body: nothing new to say
        const QPointF sun = fixture->ViewPointOf(0, 0, 0);
        fixture->PointAt(sun);
        fixture->PointAt(sun + QPointF(3, 2));
        const int namesAfterSun = heard(QAccessible::NameChanged);
        const int alertsAfterSun = heard(QAccessible::Alert);
        fixture->PointAt(fixture->ViewPointOf(10, 0, 0));
        QCOMPARE(cardName(), BodyCardText(Mercury));
        QAccessible::installUpdateHandler(previous);

        if (QAccessible::isActive()) {
            QCOMPARE(namesAfterSun, 1);
            QCOMPARE(alertsAfterSun, 1);
            QCOMPARE(heard(QAccessible::Alert), 2);
            QCOMPARE(announcements.first().text, BodyCardText(Sun));
            QCOMPARE(announcements.last().type, QAccessible::Alert);
            QCOMPARE(announcements.last().text, BodyCardText(Mercury));
        } else {
            QVERIFY(announcements.isEmpty());
        }
    }
};

QTEST_MAIN(BodyNamesTest)
#include "test_body_names.moc"
