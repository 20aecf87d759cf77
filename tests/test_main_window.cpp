#include "frm_peta.h"
#include "gl_view.h"
#include "main_window_fixture.h"
#include "ogl_module.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

namespace {

double ProjectionScaleY()
{
    OGLModule::MakeViewCurrent();
    std::array<GLdouble, 16> projection{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    return projection[5]; // cot(fovy / 2) for a perspective
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        fixture = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture->Loaded());
        QVERIFY(fixture->messages.isEmpty());
    }

    void cleanup() { fixture.reset(); }

    void controlsStandWhereDesigned()
    {
        OGLWin& w = fixture->Window();
        const std::pair<QWidget*, QRect> placed[] = {
            {w.HScroll, {31, 485, 145, 17}},      {w.HSpeed, {225, 485, 145, 17}},
            {w.CmdUP, {417, 476, 32, 32}},        {w.CmdLeft, {448, 476, 32, 32}},
            {w.CmdRight, {479, 476, 32, 32}},     {w.CmdDown, {510, 476, 32, 32}},
            {w.CmdRotasiUp, {610, 474, 32, 32}},  {w.CmdRotasiDown, {641, 474, 32, 32}},
            {w.ChkPath, {680, 481, 112, 27}},     {w.ChkCam, {663, 435, 89, 17}},
            {w.lblRotaSi, {637, 475, 8, 21}},
        };
        for (const auto& [control, rect] : placed) {
            QCOMPARE(control->geometry(), rect);
        }
        const std::tuple<QLabel*, QString, QPoint> labels[] = {
            {w.Label1, "Zoom", {2, 487}},
            {w.Label4, "Velocità", {184, 487}},
            {w.Label2, "Quadro", {377, 487}},
            {w.Label3, "Prospettiva", {551, 487}},
        };
        for (const auto& [label, text, topLeft] : labels) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->pos(), topLeft);
            QVERIFY(label->isVisible());
        }
        QCOMPARE(w.glView1Container->pos(), QPoint(0, 0));
        QCOMPARE(w.glView1Container->height(), 473);
        QVERIFY(w.glView1Container->width() >= 785);
        QCOMPARE(w.ChkPath->text(), QString("Visualizza le orbite"));
        QCOMPARE(w.ChkCam->text(), QString("Spinning"));
        QVERIFY(!w.ChkPath->isChecked());
        QVERIFY(!w.ChkCam->isVisible());
        QVERIFY(!w.ChkCam->isChecked());
        QVERIFY(!w.lblRotaSi->isVisible());
        QCOMPARE(w.lblRotaSi->text(), QString("25"));
        for (QToolButton* button : {w.CmdUP, w.CmdDown, w.CmdLeft, w.CmdRight, w.CmdRotasiUp, w.CmdRotasiDown}) {
            QVERIFY(!button->icon().isNull());
            QVERIFY(button->text().isEmpty());
        }
        QVERIFY(!w.windowIcon().isNull());
        const QList<QAction*> menu = w.menuBar()->actions();
        QCOMPARE(menu.size(), 2);
        QCOMPARE(menu[0]->text(), QString("Il sistema solare"));
        QCOMPARE(menu[1]->text(), QString("Posizioni di oggi"));
        QVERIFY(menu[0]->menu() == nullptr && menu[1]->menu() == nullptr);
    }

    void scrollBarsHaveTheirRanges()
    {
        OGLWin& w = fixture->Window();
        QCOMPARE(w.HScroll->minimum(), 0);
        QCOMPARE(w.HScroll->maximum(), 150);
        QCOMPARE(w.HScroll->singleStep(), 5);
        QCOMPARE(w.HScroll->pageStep(), 5);
        QCOMPARE(w.HScroll->value(), 35);
        QCOMPARE(w.HSpeed->minimum(), 5);
        QCOMPARE(w.HSpeed->maximum(), 200);
        QCOMPARE(w.HSpeed->singleStep(), 10);
        QCOMPARE(w.HSpeed->pageStep(), 10);
        QCOMPARE(w.HSpeed->value(), 10);
        // The speed scroll bar's start position does not change the year.
        QCOMPARE(XPModule::SecondsPerYear, std::uint8_t{220});
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{35});
    }

    void tabVisitsTheControlsInDesignedOrder()
    {
        OGLWin& w = fixture->Window();
        QApplication::setActiveWindow(&w);
        w.glView1Container->setFocus();
        const QList<QWidget*> expected = {w.CmdRotasiDown, w.CmdRotasiUp, w.CmdRight, w.CmdLeft, w.CmdDown,
                                          w.CmdUP, w.HSpeed, w.HScroll, w.ChkPath, w.glView1Container};
        QWidget* current = w.glView1Container;
        for (QWidget* next : expected) {
            current = current->nextInFocusChain();
            while (!(current->focusPolicy() & Qt::TabFocus) || !current->isVisible()) {
                current = current->nextInFocusChain();
            }
            QCOMPARE(current, next);
        }
    }

    void panButtonsMoveTheSceneByOne()
    {
        OGLWin& w = fixture->Window();
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(w.CmdUP, Qt::LeftButton);
        }
        QCOMPARE(XPModule::ViewPanY, std::int16_t{0});
        QTest::mouseClick(w.CmdUP, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanY, std::int16_t{-1});
        QTest::mouseClick(w.CmdDown, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanY, std::int16_t{0});
        QTest::mouseClick(w.CmdLeft, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanX, std::int16_t{-1});
        QTest::mouseClick(w.CmdRight, Qt::LeftButton);
        QTest::mouseClick(w.CmdRight, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanX, std::int16_t{1});

        // Space presses a focused button.
        w.CmdLeft->setFocus();
        QTest::keyClick(w.CmdLeft, Qt::Key_Space);
        QCOMPARE(XPModule::ViewPanX, std::int16_t{0});
    }

    void panStopsAtTheEdgesOfItsRange()
    {
        OGLWin& w = fixture->Window();
        XPModule::ViewPanX = 32767;
        w.CmdRight_Click();
        QCOMPARE(XPModule::ViewPanX, std::int16_t{32767});
        w.CmdLeft_Click();
        QCOMPARE(XPModule::ViewPanX, std::int16_t{32766});
        XPModule::ViewPanY = -32768;
        w.CmdUP_Click();
        QCOMPARE(XPModule::ViewPanY, std::int16_t{-32768});
        w.CmdDown_Click();
        QCOMPARE(XPModule::ViewPanY, std::int16_t{-32767});
    }

    void tiltButtonsTurnTheSceneAndKeepTheLabel()
    {
        OGLWin& w = fixture->Window();
        for (int i = 0; i < 25; ++i) {
            QTest::mouseClick(w.CmdRotasiUp, Qt::LeftButton);
        }
        QCOMPARE(XPModule::ViewTilt, 0.0);
        QCOMPARE(w.lblRotaSi->text(), QString("0"));
        QTest::mouseClick(w.CmdRotasiUp, Qt::LeftButton);
        QCOMPARE(w.lblRotaSi->text(), QString("-1"));
        QTest::mouseClick(w.CmdRotasiDown, Qt::LeftButton);
        QTest::mouseClick(w.CmdRotasiDown, Qt::LeftButton);
        QCOMPARE(XPModule::ViewTilt, 1.0);
        QCOMPARE(w.lblRotaSi->text(), QString("1"));
    }

    void speedScrollBarSetsTheYear()
    {
        OGLWin& w = fixture->Window();
        const std::pair<int, int> positions[] = {{11, 199}, {200, 10}, {5, 205}};
        for (const auto& [position, seconds] : positions) {
            w.HSpeed->setValue(position);
            QCOMPARE(int(XPModule::SecondsPerYear), seconds);
            QCOMPARE(w.OrbitPeriod[Earth], double(seconds));
            QCOMPARE(w.OrbitPeriod[Mars], 687 / 365.0 * seconds);
        }
        // Arrow keys move a focused scroll bar by its step.
        QApplication::setActiveWindow(&w);
        w.HSpeed->setFocus();
        QTest::keyClick(w.HSpeed, Qt::Key_Right);

        QCOMPARE(int(XPModule::SecondsPerYear), 195);
    }

    void speedChangesOnlyWhenADragEnds()
    {
        OGLWin& w = fixture->Window();
        w.HSpeed->setSliderDown(true);
        w.HSpeed->setSliderPosition(100);
        QCOMPARE(int(XPModule::SecondsPerYear), 220);
        w.HSpeed->setSliderDown(false);
        QCOMPARE(int(XPModule::SecondsPerYear), 110);
    }

    void zoomRebuildsTheProjection()
    {
        OGLWin& w = fixture->Window();
        const double cotangent = 1 / std::tan(qDegreesToRadians(35.0 / 2));
        QVERIFY(qAbs(ProjectionScaleY() - cotangent) < 1e-6);

        w.HScroll->setValue(150);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{150});
        QVERIFY(qAbs(ProjectionScaleY() - 1 / std::tan(qDegreesToRadians(75.0))) < 1e-6);

        // While the thumb is dragged, every move rebuilds it.
        w.HScroll->setSliderDown(true);
        w.HScroll->setSliderPosition(90);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{90});
        QVERIFY(qAbs(ProjectionScaleY() - 1.0) < 1e-6);
        w.HScroll->setSliderDown(false);

        w.HScroll->setValue(0);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{0});
        fixture->Pass(0.1); // an angle of 0 still draws without error
        QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    }

    void orbitBoxShowsTheOrbits()
    {
        OGLWin& w = fixture->Window();
        const QPointF onMercuryOrbit = fixture->ViewPointOf(-10.1, 0, 0);
        fixture->PointAt(onMercuryOrbit);
        QCOMPARE(w.Selected, std::uint8_t{0});
        QTest::mouseClick(w.ChkPath, Qt::LeftButton);
        QVERIFY(w.ChkPath->isChecked());
        fixture->Pass();
        fixture->PointAt(onMercuryOrbit);
        QCOMPARE(w.Selected, std::uint8_t{0}); // the lines carry no name
    }

    void pointingPicksTheBodyUnderThePointer()
    {
        OGLWin& w = fixture->Window();
        fixture->PointAt(fixture->ViewPointOf(0, 0, 0));
        QCOMPARE(w.Selected, std::uint8_t{Sun});
        QCOMPARE(w.RenderMode, kRenderModeRender);

        fixture->PointAt(QPointF(5, 5));
        QCOMPARE(w.Selected, std::uint8_t{0});

        fixture->PointAt(fixture->ViewPointOf(18, 0, 0)); // Venus at angle 0
        QCOMPARE(w.Selected, std::uint8_t{Venus});
    }

    void aPlanetInFrontOfTheSunWins()
    {
        OGLWin& w = fixture->Window();
        for (int i = 0; i < 25; ++i) {
            w.CmdRotasiUp_Click(); // no tilt: Mercury at 270 degrees stands before the Sun
        }
        w.OrbitAngle[Mercury] = 270;
        fixture->Pass();
        fixture->PointAt(fixture->ViewPointOf(0, 0, 10));
        QCOMPARE(w.Selected, std::uint8_t{Mercury});
        fixture->PointAt(fixture->ViewPointOf(0, -2.0, 0));
        QCOMPARE(w.Selected, std::uint8_t{Sun});
    }

    void theSelectedBodyStopsButKeepsTurning()
    {
        OGLWin& w = fixture->Window();
        fixture->PointAt(fixture->ViewPointOf(18, 0, 0));
        QCOMPARE(w.Selected, std::uint8_t{Venus});
        const float spin = w.SpinAngle[Venus];
        fixture->Pass(0.5);
        QCOMPARE(w.OrbitAngle[Venus], 0.0F);
        QVERIFY(w.SpinAngle[Venus] > spin);
        QVERIFY(w.OrbitAngle[Mercury] > 0);

        // Leaving it lets it go on.
        fixture->PointAt(QPointF(5, 5));
        fixture->Pass(0.5);
        QVERIFY(w.OrbitAngle[Venus] > 0);
    }

    void theFixedFrameIsOfferedToo()
    {
        OGLWin& w = fixture->Window();
        for (int i = 0; i < 3; ++i) {
            w.CmdRight_Click(); // the fixed frame ignores the pan
        }
        QVERIFY(OGLModule::MakeViewCurrent());
        w.Render_Temp();
        QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
        const QPointF startSun = fixture->ViewPointOf(0, 0, 0);
        fixture->Pass();
        const QPointF pannedSun = fixture->ViewPointOf(0, 0, 0);
        QVERIFY(pannedSun.x() > startSun.x() + 10);
        QVERIFY(glIsEnabled(GL_DEPTH_TEST));
        QVERIFY(!glIsEnabled(GL_BLEND));
    }

    void thePictureWindowPausesTheAnimation_data()
    {
        QTest::addColumn<bool>("withOk");
        QTest::newRow("OK") << true;
        QTest::newRow("close button") << false;
    }

    void thePictureWindowPausesTheAnimation()
    {
        QFETCH(bool, withOk);
        OGLWin& w = fixture->Window();
        fixture->Pass(0.5);
        const float before = w.SunSpin;
        bool sawPicture = false;
        QTimer::singleShot(0, &w, [&] {
            auto* picture = qobject_cast<FrmPeta*>(QApplication::activeModalWidget());
            QVERIFY(picture != nullptr);
            sawPicture = true;
            QCOMPARE(picture->windowTitle(), QString("Il Sole e i pianeti del sistema solare"));
            QCOMPARE(picture->size(), QSize(794, 466));
            QCOMPARE(picture->ImgSun->geometry(), QRect(0, 0, 793, 430));
            QCOMPARE(picture->Command1->geometry(), QRect(686, 436, 101, 25));
            QCOMPARE(picture->Command1->text(), QString("OK"));
            QVERIFY(!picture->ImgSun->pixmap().isNull());
            QCOMPARE(picture->windowIcon().cacheKey(), w.windowIcon().cacheKey());
            QVERIFY(OGLModule::FrameTimer().Paused());
            fixture->counter.now += 60 * MainWindowFixture::kTicksPerSecond; // a minute open
            if (withOk) {
                QTest::mouseClick(picture->Command1, Qt::LeftButton);
            } else {
                picture->close();
            }
        });
        w.mnupeta->trigger();
        QVERIFY(sawPicture);
        QVERIFY(!OGLModule::FrameTimer().Paused());
        QCOMPARE(w.SunSpin, before);
        fixture->Pass(0.5);
        QCOMPARE(w.SunSpin, before + 9.0F); // half a second, not a minute
    }

    void thePictureWindowOpensAgainWithTheSamePicture()
    {
        OGLWin& w = fixture->Window();
        QImage first;
        QImage second;
        for (QImage* shown : {&first, &second}) {
            QTimer::singleShot(0, &w, [shown] {
                auto* picture = qobject_cast<FrmPeta*>(QApplication::activeModalWidget());
                QVERIFY(picture != nullptr);
                *shown = picture->ImgSun->pixmap().toImage();
                picture->Command1->click();
            });
            w.mnupeta->trigger();
        }
        QVERIFY(!first.isNull());
        QCOMPARE(first.size(), QSize(777, 394));
        QCOMPARE(first, second);
    }

private:
    std::unique_ptr<MainWindowFixture> fixture;
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
