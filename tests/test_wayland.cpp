// The program as a native Wayland client, under a real compositor that
// tests/wayland_test.sh starts (weston, headless, drawing with pixman, with
// its screenshot interface on). What the user sees is read from the
// compositor's own screenshots.
#include "deadlines.h"
#include "frm_peta.h"
#include "gl_view.h"
#include "info_card.h"
#include "main_window_fixture.h"
#include "xp_main.h"

#include <QDir>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

namespace {

constexpr int kScreenshotMs = 10'000;

// The whole output, as the compositor composes it.
QImage Screenshot()
{
    QCoreApplication::processEvents(); // every commit reaches the compositor
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start(QStringLiteral("weston-screenshooter"), {});
    if (!shooter.waitForFinished(kScreenshotMs) || shooter.exitCode() != 0) {
        return {};
    }
    const QStringList files = QDir(folder.path()).entryList({QStringLiteral("*.png")});
    return files.isEmpty() ? QImage() : QImage(folder.filePath(files.first())).convertToFormat(QImage::Format_RGB32);
}

// The pixels of `image` for which `wanted` holds: how many, their bounding
// box and their centre.
struct Pixels {
    int count = 0;
    QRect box;
    QPointF centre;
};

Pixels Find(const QImage& image, const std::function<bool(QRgb)>& wanted)
{
    Pixels found;
    double sumX = 0;
    double sumY = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (wanted(row[x])) {
                ++found.count;
                found.box |= QRect(x, y, 1, 1);
                sumX += x;
                sumY += y;
            }
        }
    }
    if (found.count > 0) {
        found.centre = QPointF(sumX / found.count, sumY / found.count);
    }
    return found;
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
        XPModule::InitPlanetData();
    }

    // The scene on an opaque black sky; the Sun picked under the pointer with
    // its card beside the pointer; the wheel zooms; the picture window is
    // modal and pauses the animation.
    void drawsPicksAndShowsTheCardBesideThePointer()
    {
        MainWindowFixture fixture;
        QVERIFY(fixture.Loaded());
        OGLWin& w = fixture.Window();
        fixture.Pass(0.1);
        const QImage scene = Screenshot();
        QVERIFY(!scene.isNull());
        // The view is 792 x 473; the sky covers most of it, in pure black
        // (the desktop behind the window is never black).
        const Pixels sky = Find(scene, [](QRgb pixel) { return (pixel & 0xFFFFFF) == 0; });
        QVERIFY2(sky.count > 792 * 473 * 3 / 4, qPrintable(QString::number(sky.count)));
        const Pixels sun = Find(scene, IsSunOrange);
        QVERIFY2(sun.count > 5000 && sky.box.contains(sun.box), qPrintable(QString::number(sun.count)));

        fixture.PointAt(fixture.ViewPointOf(0, 0, 0));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Sun});
        QVERIFY(QTest::qWaitForWindowExposed(WindowParts::Card(w)));
        fixture.Pass(0.1);
        const QColor base = QToolTip::palette().color(QPalette::ToolTipBase);
        const Pixels card = Find(Screenshot(), [&](QRgb pixel) { return pixel == base.rgb(); });
        // Below and to the right of the pointer's tip, where the Sun's centre is.
        const QPointF fromPointer = QPointF(card.box.topLeft()) - sun.centre;
        QVERIFY2(card.count > 1000 && std::abs(fromPointer.x() - 17) <= 4 && std::abs(fromPointer.y() - 21) <= 4,
                 qPrintable(QString("card %1 px, %2, %3 from the pointer")
                                .arg(card.count)
                                .arg(fromPointer.x())
                                .arg(fromPointer.y())));

        const int zoom = Ui(w).HScroll->value();
        w.glView1_MouseWheel(1);
        QCOMPARE(Ui(w).HScroll->value(), zoom - Ui(w).HScroll->singleStep());

        QVERIFY(WithModalDialog<FrmPeta>([&] { WindowParts::Picture(w)->trigger(); }, [&](FrmPeta& picture) {
            QVERIFY(picture.isModal());
            QVERIFY(OGLModule::FrameTimer().Paused());
            QVERIFY(!WindowParts::Card(w)->isVisible());
        }));
        QVERIFY(!OGLModule::FrameTimer().Paused());
    }

    // The program's own start and end: closing the window ends it with 0.
    void closingTheWindowEndsTheProgramWithStatusZero()
    {
        QObject scope;
        bool shown = false;
        QTimer::singleShot(0, &scope, [&] {
            if (OGLWin* window = ShownMainWindow()) {
                shown = true;
                window->close();
            }
        });
        int status = EXIT_FAILURE;
        QVERIFY(RunWithDeadline([&] { status = XPModule::Main(CommandLineOptions{}); }));
        QVERIFY(shown);
        QCOMPARE(status, EXIT_SUCCESS);
    }
};

QTEST_MAIN(WaylandTest)
#include "test_wayland.moc"
