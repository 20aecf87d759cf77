#include "main_controls.h"

#include "gl_view.h"
#include "texts_window.h"
#include "xp_module.h"

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QToolButton>

namespace {

const QColor kWindowGrey(224, 224, 224);
constexpr QSize kButtonSize(32, 32);

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QScrollBar* MakeScrollBar(QWidget* parent, QRect geometry, int minimum, int maximum, int step, int value)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(geometry);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(step);
    bar->setPageStep(step);
    bar->setValue(value);
    bar->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars invert their keys by default; the right arrow key
    // should move the thumb to the right.
    bar->setInvertedControls(false);
    return bar;
}

// A button that shows only a picture; screen readers get its name and what it
// does in words.
QToolButton* MakePictureButton(QWidget* parent, const QString& picture, QPoint topLeft,
                               const WindowText::ButtonWords& words)
{
    auto* button = new QToolButton(parent);
    button->setGeometry(QRect(topLeft, kButtonSize));
    button->setIcon(QIcon(picture));
    button->setIconSize(kButtonSize - QSize(4, 4));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(words.name);
    button->setAccessibleDescription(words.description);
    return button;
}

} // namespace

QList<QWidget*> MainControls::Strip() const
{
    return {Label1, HScroll, Label4, HSpeed, Label2, CmdUP, CmdLeft, CmdRight, CmdDown,
            Label3, CmdRotasiUp, CmdRotasiDown, ChkPath};
}

void MainControls::StandUnder(int viewHeight)
{
    const int shift = viewHeight - kViewHeight;
    QList<QWidget*> row = Strip();
    row << ChkCam << lblRotaSi; // hidden, but kept in step with the row
    for (QWidget* control : row) {
        control->move(control->x(), control->y() + shift - RowShift);
    }
    RowShift = shift;
}

MainControls CreateMainControls(QMainWindow& window, GlView* view)
{
    auto* client = new QWidget(&window);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    palette.setColor(QPalette::Button, kWindowGrey);
    client->setPalette(palette);
    client->setMinimumSize(kClientSize);
    window.setCentralWidget(client);

    // Created in the designed order, so that the later controls lie above the
    // earlier ones where they overlap.
    MainControls c;
    c.ChkPath = new QCheckBox(WindowText::ChkPath(), client);
    c.ChkPath->setGeometry(680, 481, 112, 27);
    c.HScroll = MakeScrollBar(client, QRect(31, 485, 145, 17), 0, 150, 5, XPModule::kStartPerspectiveAngle);
    c.HSpeed = MakeScrollBar(client, QRect(225, 485, 145, 17), 5, 200, 10, 10);
    c.HSpeed->setTracking(false);
    c.CmdUP = MakePictureButton(client, QStringLiteral(":/images/arrow-down.png"), {417, 476}, WindowText::CmdUP());
    c.CmdDown = MakePictureButton(client, QStringLiteral(":/images/arrow-up.png"), {510, 476}, WindowText::CmdDown());
    c.CmdLeft = MakePictureButton(client, QStringLiteral(":/images/arrow-left.png"), {448, 476}, WindowText::CmdLeft());
    c.CmdRight = MakePictureButton(client, QStringLiteral(":/images/arrow-right.png"), {479, 476}, WindowText::CmdRight());
    c.CmdRotasiUp = MakePictureButton(client, QStringLiteral(":/images/arrow-up.png"), {610, 474}, WindowText::CmdRotasiUp());
    c.CmdRotasiDown = MakePictureButton(client, QStringLiteral(":/images/arrow-down.png"), {641, 474}, WindowText::CmdRotasiDown());
    c.ChkCam = new QCheckBox(WindowText::ChkCam(), client);
    c.ChkCam->setGeometry(663, 435, 89, 17);
    c.ChkCam->hide();

    c.glView1 = view;
    c.glView1Container = QWidget::createWindowContainer(view, client);
    c.glView1Container->setGeometry(0, 0, 785, kViewHeight);
    view->SetContainer(c.glView1Container);
    c.glView1Container->setFocusPolicy(Qt::StrongFocus);
    c.glView1Container->setAccessibleName(WindowText::ViewName());
    c.glView1Container->setAccessibleDescription(WindowText::ViewDescription());

    c.Label3 = MakeLabel(client, WindowText::Label3(), 551, 487);
    c.Label2 = MakeLabel(client, WindowText::Label2(), 377, 487);
    c.Label1 = MakeLabel(client, WindowText::Label1(), 2, 487);
    c.Label4 = MakeLabel(client, WindowText::Label4(), 184, 487);
    c.lblRotaSi = new QLabel(WindowText::LblRotaSi(), client);
    c.lblRotaSi->setGeometry(637, 475, 8, 21);
    c.lblRotaSi->hide();
    c.Label1->setBuddy(c.HScroll);
    c.Label4->setBuddy(c.HSpeed);
    c.HScroll->setAccessibleName(c.Label1->text());
    c.HScroll->setAccessibleDescription(WindowText::HScrollDescription());
    c.HSpeed->setAccessibleName(c.Label4->text());
    c.HSpeed->setAccessibleDescription(WindowText::HSpeedDescription());

    // Keyboard order: the view, the tilt buttons, the pan buttons, the two
    // scroll bars, the orbit box.
    QWidget* tabOrder[] = {c.glView1Container, c.CmdRotasiDown, c.CmdRotasiUp, c.CmdRight, c.CmdLeft,
                           c.CmdDown,          c.CmdUP,         c.HSpeed,      c.HScroll,  c.ChkPath};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }
    return c;
}

void PressControl(const MainControls& controls, ViewCommand command)
{
    const auto step = [](QScrollBar* bar, QAbstractSlider::SliderAction action) { bar->triggerAction(action); };
    switch (command) {
    case ViewCommand::PanDown:
        controls.CmdUP->click(); // its picture points down
        break;
    case ViewCommand::PanUp:
        controls.CmdDown->click();
        break;
    case ViewCommand::PanLeft:
        controls.CmdLeft->click();
        break;
    case ViewCommand::PanRight:
        controls.CmdRight->click();
        break;
    case ViewCommand::TiltUp:
        controls.CmdRotasiUp->click();
        break;
    case ViewCommand::TiltDown:
        controls.CmdRotasiDown->click();
        break;
    case ViewCommand::ZoomIn:
        step(controls.HScroll, QAbstractSlider::SliderSingleStepSub); // a narrower angle magnifies
        break;
    case ViewCommand::ZoomOut:
        step(controls.HScroll, QAbstractSlider::SliderSingleStepAdd);
        break;
    case ViewCommand::Faster:
        step(controls.HSpeed, QAbstractSlider::SliderSingleStepAdd); // to the right, a shorter year
        break;
    case ViewCommand::Slower:
        step(controls.HSpeed, QAbstractSlider::SliderSingleStepSub);
        break;
    default:
        break;
    }
}
