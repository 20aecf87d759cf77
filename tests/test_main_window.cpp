#include "deadlines.h"
#include "frm_peta.h"
#include "gl_projection.h"
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

// How the picture window is closed.
enum class Closing { Ok, CloseButton, Escape };

} // namespace

Q_DECLARE_METATYPE(Closing)

class MainWindowTest : public LoadedWindowTest {
    Q_OBJECT

private slots:
    void controlsStandWhereDesigned()
    {
        OGLWin& w = fixture->Window();
        const std::pair<QWidget*, QRect> placed[] = {
            {Ui(w).HScroll, {31, 485, 145, 17}},      {Ui(w).HSpeed, {225, 485, 145, 17}},
            {Ui(w).CmdUP, {417, 476, 32, 32}},        {Ui(w).CmdLeft, {448, 476, 32, 32}},
            {Ui(w).CmdRight, {479, 476, 32, 32}},     {Ui(w).CmdDown, {510, 476, 32, 32}},
            {Ui(w).CmdRotasiUp, {610, 474, 32, 32}},  {Ui(w).CmdRotasiDown, {641, 474, 32, 32}},
            {Ui(w).ChkPath, {680, 481, 112, 27}},     {Ui(w).ChkCam, {663, 435, 89, 17}},
            {Ui(w).lblRotaSi, {637, 475, 8, 21}},
        };
        for (const auto& [control, rect] : placed) {
            QCOMPARE(control->geometry(), rect);
        }
        const std::tuple<QLabel*, QString, QPoint> labels[] = {
            {Ui(w).Label1, "Zoom", {2, 487}},
            {Ui(w).Label4, "Velocità", {184, 487}},
            {Ui(w).Label2, "Quadro", {377, 487}},
            {Ui(w).Label3, "Prospettiva", {551, 487}},
        };
        for (const auto& [label, text, topLeft] : labels) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->pos(), topLeft);
            QVERIFY(label->isVisible());
        }
        QCOMPARE(Ui(w).glView1Container->pos(), QPoint(0, 0));
        QCOMPARE(Ui(w).glView1Container->height(), 473);
        QVERIFY(Ui(w).glView1Container->width() >= 785);
        QCOMPARE(Ui(w).ChkPath->text(), QString("Visualizza le orbite"));
        QCOMPARE(Ui(w).ChkCam->text(), QString("Spinning"));
        QVERIFY(!Ui(w).ChkPath->isChecked());
        QVERIFY(!Ui(w).ChkCam->isVisible());
        QVERIFY(!Ui(w).ChkCam->isChecked());
        QVERIFY(!Ui(w).lblRotaSi->isVisible());
        QCOMPARE(Ui(w).lblRotaSi->text(), QString("25"));
        for (QToolButton* button : {Ui(w).CmdUP, Ui(w).CmdDown, Ui(w).CmdLeft, Ui(w).CmdRight, Ui(w).CmdRotasiUp, Ui(w).CmdRotasiDown}) {
            QVERIFY(!button->icon().isNull());
            QVERIFY(button->text().isEmpty());
        }
        QVERIFY(!w.windowIcon().isNull());
        const QList<QAction*> menu = w.menuBar()->actions();
        QCOMPARE(menu.size(), 5);
        QCOMPARE(menu[0]->text(), QString("Il sistema solare"));
        QCOMPARE(menu[1]->text(), QString("Posizioni di oggi"));
        QVERIFY(menu[0]->menu() == nullptr && menu[1]->menu() == nullptr);
        QStringList items;
        for (const QAction* submenu : {menu[2], menu[3], menu[4]}) {
            for (const QAction* item : submenu->menu()->actions()) {
                items << submenu->text() + ": " + item->text() + " " + item->shortcut().toString();
            }
        }
        QCOMPARE(items, QStringList({"Tempo: Pausa Space", "Tempo: Indietro nel tempo J",
                                     "Tempo: Vai alla data… Ctrl+G", "Tempo: Eventi del cielo… Ctrl+E", "Tempo:  ", "Tempo: Adesso Ctrl+N",
                                     "Tempo: Velocità del tempo ", "Tempo:  ", "Tempo: Giorno dopo .",
                                     "Tempo: Giorno prima ,", "Tempo: Mese dopo Ctrl+.", "Tempo: Mese prima Ctrl+,",
                                     "Tempo: Anno dopo Alt+.", "Tempo: Anno prima Alt+,",
                                     "Vista: Schermo intero F11",
                                     "Vista: Salva immagine… Ctrl+S", "Vista: Copia immagine Ctrl+Shift+C", "Vista: Nomi dei corpi N",
                                     "Vista: Orbite vere O", "Vista: Stelle S", "Vista: Costellazioni C", "Vista: Via Lattea ", "Vista: Lune dei pianeti M", "Vista: Vista iniziale Home",
                                     "Aiuto: Tasti e comandi F1", "Aiuto: Informazioni "}));
        QVERIFY(Tempo(w).lblData->text().isEmpty()); // no date before the sky is real
        // The date stands on the menu titles' line, as high as they are.
        const QRect title = w.menuBar()->actionGeometry(menu[2]);
        QCOMPARE(Tempo(w).lblData->y(), title.y());
        QCOMPARE(Tempo(w).lblData->height(), title.height());
        QVERIFY(Tempo(w).lblData->alignment().testFlag(Qt::AlignVCenter));
    }

    void scrollBarsHaveTheirRanges()
    {
        OGLWin& w = fixture->Window();
        QCOMPARE(Ui(w).HScroll->minimum(), 0);
        QCOMPARE(Ui(w).HScroll->maximum(), 150);
        QCOMPARE(Ui(w).HScroll->singleStep(), 5);
        QCOMPARE(Ui(w).HScroll->pageStep(), 5);
        QCOMPARE(Ui(w).HScroll->value(), 35);
        QCOMPARE(Ui(w).HSpeed->minimum(), 5);
        QCOMPARE(Ui(w).HSpeed->maximum(), 200);
        QCOMPARE(Ui(w).HSpeed->singleStep(), 10);
        QCOMPARE(Ui(w).HSpeed->pageStep(), 10);
        QCOMPARE(Ui(w).HSpeed->value(), 10);
        // The speed scroll bar's start position does not change the year.
        QCOMPARE(XPModule::SecondsPerYear, std::uint8_t{220});
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{35});
    }

    void tabVisitsTheControlsInDesignedOrder()
    {
        OGLWin& w = fixture->Window();
        QApplication::setActiveWindow(&w);
        Ui(w).glView1Container->setFocus();
        const QList<QWidget*> expected = {Ui(w).CmdRotasiDown, Ui(w).CmdRotasiUp, Ui(w).CmdRight, Ui(w).CmdLeft, Ui(w).CmdDown,
                                          Ui(w).CmdUP, Ui(w).HSpeed, Ui(w).HScroll, Ui(w).ChkPath, Ui(w).glView1Container};
        QWidget* current = Ui(w).glView1Container;
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
            QTest::mouseClick(Ui(w).CmdUP, Qt::LeftButton);
        }
        QCOMPARE(XPModule::ViewPanY, std::int16_t{0});
        QTest::mouseClick(Ui(w).CmdUP, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanY, std::int16_t{-1});
        QTest::mouseClick(Ui(w).CmdDown, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanY, std::int16_t{0});
        QTest::mouseClick(Ui(w).CmdLeft, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanX, std::int16_t{-1});
        QTest::mouseClick(Ui(w).CmdRight, Qt::LeftButton);
        QTest::mouseClick(Ui(w).CmdRight, Qt::LeftButton);
        QCOMPARE(XPModule::ViewPanX, std::int16_t{1});

        // Space presses a focused button.
        Ui(w).CmdLeft->setFocus();
        QTest::keyClick(Ui(w).CmdLeft, Qt::Key_Space);
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
            QTest::mouseClick(Ui(w).CmdRotasiUp, Qt::LeftButton);
        }
        QCOMPARE(XPModule::ViewTilt, 0.0);
        QCOMPARE(Ui(w).lblRotaSi->text(), QString("0"));
        QTest::mouseClick(Ui(w).CmdRotasiUp, Qt::LeftButton);
        QCOMPARE(Ui(w).lblRotaSi->text(), QString("-1"));
        QTest::mouseClick(Ui(w).CmdRotasiDown, Qt::LeftButton);
        QTest::mouseClick(Ui(w).CmdRotasiDown, Qt::LeftButton);
        QCOMPARE(XPModule::ViewTilt, 1.0);
        QCOMPARE(Ui(w).lblRotaSi->text(), QString("1"));
    }

    void speedScrollBarSetsTheYear()
    {
        OGLWin& w = fixture->Window();
        const std::pair<int, int> positions[] = {{11, 199}, {200, 10}, {5, 205}};
        for (const auto& [position, seconds] : positions) {
            Ui(w).HSpeed->setValue(position);
            QCOMPARE(int(XPModule::SecondsPerYear), seconds);
            QCOMPARE(w.Scene.OrbitPeriod[Earth], double(seconds));
            QCOMPARE(w.Scene.OrbitPeriod[Mars], 687 / 365.0 * seconds);
        }
        // Arrow keys move a focused scroll bar by its step.
        QApplication::setActiveWindow(&w);
        Ui(w).HSpeed->setFocus();
        QTest::keyClick(Ui(w).HSpeed, Qt::Key_Right);

        QCOMPARE(int(XPModule::SecondsPerYear), 195);
    }

    void speedChangesOnlyWhenADragEnds()
    {
        OGLWin& w = fixture->Window();
        Ui(w).HSpeed->setSliderDown(true);
        Ui(w).HSpeed->setSliderPosition(100);
        QCOMPARE(int(XPModule::SecondsPerYear), 220);
        Ui(w).HSpeed->setSliderDown(false);
        QCOMPARE(int(XPModule::SecondsPerYear), 110);
    }

    void zoomRebuildsTheProjection()
    {
        OGLWin& w = fixture->Window();
        const double cotangent = 1 / std::tan(qDegreesToRadians(35.0 / 2));
        OGLModule::MakeViewCurrent();
        QVERIFY(qAbs(ProjectionScaleY() - cotangent) < 1e-6);

        Ui(w).HScroll->setValue(150);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{150});
        QVERIFY(qAbs(ProjectionScaleY() - 1 / std::tan(qDegreesToRadians(75.0))) < 1e-6);

        // While the thumb is dragged, every move rebuilds it.
        Ui(w).HScroll->setSliderDown(true);
        Ui(w).HScroll->setSliderPosition(90);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{90});
        QVERIFY(qAbs(ProjectionScaleY() - 1.0) < 1e-6);
        Ui(w).HScroll->setSliderDown(false);

        Ui(w).HScroll->setValue(0);
        QCOMPARE(XPModule::PerspectiveAngle, std::int16_t{0});
        fixture->Pass(0.1); // an angle of 0 still draws without error
        QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    }

    void orbitBoxShowsTheOrbits()
    {
        OGLWin& w = fixture->Window();
        const QPointF onMercuryOrbit = fixture->ViewPointOf(-10.1, 0, 0);
        QCOMPARE(fixture->BrightnessAt(onMercuryOrbit, 2), 0L);
        QTest::mouseClick(Ui(w).ChkPath, Qt::LeftButton);
        QVERIFY(Ui(w).ChkPath->isChecked());
        fixture->Pass();
        QVERIFY(fixture->BrightnessAt(onMercuryOrbit, 2) > 0);
        fixture->PointAt(onMercuryOrbit);
        QCOMPARE(w.Scene.Selected, std::uint8_t{0}); // the lines carry no name
    }

    // Each body in turn is brought to the middle of the view by the pan and
    // picked; while it is selected, its orbit angle (and for the Moon the
    // Earth's as well) stays and every other one moves on.
    void pointingPicksEveryBody_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<QVector3D>("centre"); // in the scene frame, all angles 0
        QTest::newRow("Sun") << int(Sun) << QVector3D(0, 0, 0);
        const std::pair<BodyId, float> planets[] = {{Mercury, 10}, {Venus, 18}, {Earth, 25},  {Mars, 39},
                                                    {Jupiter, 50}, {Saturn, 65}, {Uranus, 74}, {Neptune, 80},
                                                    {Pluto, 85}};
        for (const auto& [id, distance] : planets) {
            QTest::addRow("body %d", int(id)) << int(id) << QVector3D(distance, 0, 0);
        }
        // 3 units from the Earth, in its frame turned 45 degrees about X.
        const float offset = float(3 * std::sqrt(0.5));
        QTest::newRow("Moon") << int(Moon) << QVector3D(25, offset, offset);
    }

    void pointingPicksEveryBody()
    {
        QFETCH(int, body);
        QFETCH(QVector3D, centre);
        OGLWin& w = fixture->Window();
        XPModule::ViewPanX = static_cast<std::int16_t>(-centre.x());
        fixture->Pass();
        fixture->PointAt(QPointF(5, 5));
        QCOMPARE(w.Scene.Selected, std::uint8_t{0});
        fixture->PointAt(fixture->ViewPointOf(centre.x(), centre.y(), centre.z()));
        QCOMPARE(int(w.Scene.Selected), body);
        QCOMPARE(w.Scene.RenderMode, kRenderModeRender);

        const auto before = w.Scene.OrbitAngle;
        fixture->Pass(0.5);
        for (int id = Mercury; id <= Pluto; ++id) {
            const bool held = id == body || (body == Moon && id == Earth);
            QVERIFY2((w.Scene.OrbitAngle[id] == before[id]) == held, qPrintable(QString("body %1").arg(id)));
        }
    }

    void aPlanetInFrontOfTheSunWins()
    {
        OGLWin& w = fixture->Window();
        for (int i = 0; i < 25; ++i) {
            w.CmdRotasiUp_Click(); // no tilt: Mercury at 270 degrees stands before the Sun
        }
        w.Scene.OrbitAngle[Mercury] = 270;
        fixture->Pass();
        fixture->PointAt(fixture->ViewPointOf(0, 0, 10));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Mercury});
        fixture->PointAt(fixture->ViewPointOf(0, -2.0, 0));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Sun});
    }

    void theSelectedBodyStopsButKeepsTurning()
    {
        OGLWin& w = fixture->Window();
        fixture->PointAt(fixture->ViewPointOf(18, 0, 0));
        QCOMPARE(w.Scene.Selected, std::uint8_t{Venus});
        const float spin = w.Scene.SpinAngle[Venus];
        fixture->Pass(0.5);
        QCOMPARE(w.Scene.OrbitAngle[Venus], 0.0F);
        QVERIFY(w.Scene.SpinAngle[Venus] > spin);
        QVERIFY(w.Scene.OrbitAngle[Mercury] > 0);

        // Leaving it lets it go on.
        fixture->PointAt(QPointF(5, 5));
        fixture->Pass(0.5);
        QVERIFY(w.Scene.OrbitAngle[Venus] > 0);
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
        QTest::addColumn<Closing>("closing");
        QTest::newRow("OK") << Closing::Ok;
        QTest::newRow("close button") << Closing::CloseButton;
        QTest::newRow("Escape") << Closing::Escape;
    }

    void thePictureWindowPausesTheAnimation()
    {
        QFETCH(Closing, closing);
        OGLWin& w = fixture->Window();
        fixture->Pass(0.5);
        const float before = w.Scene.SunSpin;
        bool closedItself = false;
        QVERIFY(WithModalDialog<FrmPeta>([&] { WindowParts::Picture(w)->trigger(); }, [&](FrmPeta& picture) {
            QCOMPARE(picture.windowTitle(), QString("Il Sole e i pianeti del sistema solare"));
            QCOMPARE(picture.size(), QSize(794, 466));
            QCOMPARE(picture.ImgSun->geometry(), QRect(0, 0, 793, 430));
            QCOMPARE(picture.Command1->geometry(), QRect(686, 436, 101, 25));
            QCOMPARE(picture.Command1->text(), QString("OK"));
            QVERIFY(OGLModule::FrameTimer().Paused());
            fixture->counter.now += 60 * MainWindowFixture::kTicksPerSecond; // a minute open
            switch (closing) {
            case Closing::Ok:
                QTest::mouseClick(picture.Command1, Qt::LeftButton);
                break;
            case Closing::CloseButton:
                picture.close();
                break;
            case Closing::Escape:
                QTest::keyClick(&picture, Qt::Key_Escape);
                break;
            }
            closedItself = !picture.isVisible();
        }));
        QVERIFY(closedItself);
        QVERIFY(!OGLModule::FrameTimer().Paused());
        QCOMPARE(w.Scene.SunSpin, before);
        fixture->Pass(0.5);
        QCOMPARE(w.Scene.SunSpin, before + 9.0F); // half a second, not a minute
    }

    void thePictureWindowShowsThePictureAndTheGlobeEveryTime()
    {
        OGLWin& w = fixture->Window();
        const QImage designed = QImage(":/images/sistema-solare.png").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(designed.size(), QSize(777, 394));
        for (int opening = 1; opening <= 2; ++opening) {
            QImage shown;
            qint64 icon = 0;
            QVERIFY(WithModalDialog<FrmPeta>([&] { WindowParts::Picture(w)->trigger(); }, [&](FrmPeta& picture) {
                shown = picture.ImgSun->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
                icon = picture.windowIcon().cacheKey();
                picture.Command1->click();
            }));
            QVERIFY2(shown == designed, qPrintable(QString("opening %1").arg(opening)));
            QCOMPARE(icon, w.windowIcon().cacheKey());
        }
    }

};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
