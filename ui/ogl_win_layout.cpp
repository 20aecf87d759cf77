#include "gl_view.h"
#include "info_card.h"
#include "message_box.h"
#include "ogl_win.h"
#include "sky_date_text.h"
#include "xp_module.h"

#include <QCheckBox>
#include <QLabel>
#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

namespace {

const QColor kWindowGrey(224, 224, 224);
constexpr QSize kClientSize(792, 508);
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
QToolButton* MakePictureButton(QWidget* parent, const QString& picture, QPoint topLeft, const QString& accessibleName,
                               const QString& description)
{
    auto* button = new QToolButton(parent);
    button->setGeometry(QRect(topLeft, kButtonSize));
    button->setIcon(QIcon(picture));
    button->setIconSize(kButtonSize - QSize(4, 4));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAccessibleName(accessibleName);
    button->setAccessibleDescription(description);
    return button;
}

} // namespace

void OGLWin::CreateControls()
{
    setWindowTitle(QString::fromUtf8(kAppTitle));
    QIcon globe;
    globe.addFile(QStringLiteral(":/images/globe-32.png"));
    globe.addFile(QStringLiteral(":/images/globe-16.png"));
    setWindowIcon(globe);

    auto* client = new QWidget(this);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, kWindowGrey);
    palette.setColor(QPalette::Button, kWindowGrey);
    client->setPalette(palette);
    client->setMinimumSize(kClientSize);
    setCentralWidget(client);

    // Created in the designed order, so that the later controls lie above the
    // earlier ones where they overlap.
    ChkPath = new QCheckBox(QStringLiteral("Visualizza le orbite"), client);
    ChkPath->setGeometry(680, 481, 112, 27);
    HScroll = MakeScrollBar(client, QRect(31, 485, 145, 17), 0, 150, 5, XPModule::kStartPerspectiveAngle);
    HSpeed = MakeScrollBar(client, QRect(225, 485, 145, 17), 5, 200, 10, 10);
    HSpeed->setTracking(false);
    CmdUP = MakePictureButton(client, QStringLiteral(":/images/arrow-down.png"), {417, 476}, QStringLiteral("Giù"),
                              QStringLiteral("Sposta il quadro in basso"));
    CmdDown = MakePictureButton(client, QStringLiteral(":/images/arrow-up.png"), {510, 476}, QStringLiteral("Su"),
                                QStringLiteral("Sposta il quadro in alto"));
    CmdLeft = MakePictureButton(client, QStringLiteral(":/images/arrow-left.png"), {448, 476}, QStringLiteral("Sinistra"),
                                QStringLiteral("Sposta il quadro a sinistra"));
    CmdRight = MakePictureButton(client, QStringLiteral(":/images/arrow-right.png"), {479, 476}, QStringLiteral("Destra"),
                                 QStringLiteral("Sposta il quadro a destra"));
    CmdRotasiUp = MakePictureButton(client, QStringLiteral(":/images/arrow-up.png"), {610, 474}, QStringLiteral("Inclina su"),
                                    QStringLiteral("Inclina il quadro verso l'alto"));
    CmdRotasiDown = MakePictureButton(client, QStringLiteral(":/images/arrow-down.png"), {641, 474}, QStringLiteral("Inclina giù"),
                                      QStringLiteral("Inclina il quadro verso il basso"));
    ChkCam = new QCheckBox(QStringLiteral("Spinning"), client);
    ChkCam->setGeometry(663, 435, 89, 17);
    ChkCam->hide();

    glView1 = new GlView(*this);
    glView1Container = QWidget::createWindowContainer(glView1, client);
    glView1Container->setGeometry(0, 0, 785, 473);
    glView1Container->setFocusPolicy(Qt::StrongFocus);
    glView1Container->setAccessibleName(QStringLiteral("Vista del sistema solare"));
    glView1Container->setAccessibleDescription(
        QStringLiteral("Puntare un corpo lo seleziona; trascinare con il tasto sinistro ruota e inclina la vista; "
                       "un doppio clic su un corpo lo segue, sul cielo vuoto torna alla vista iniziale; "
                       "la rotella del mouse cambia lo zoom"));
    BodyCard = new InfoCard(*glView1, this);

    Label3 = MakeLabel(client, QStringLiteral("Prospettiva"), 551, 487);
    Label2 = MakeLabel(client, QStringLiteral("Quadro"), 377, 487);
    Label1 = MakeLabel(client, QStringLiteral("Zoom"), 2, 487);
    Label4 = MakeLabel(client, QStringLiteral("Velocità"), 184, 487);
    lblRotaSi = new QLabel(QStringLiteral("Label2"), client);
    lblRotaSi->setGeometry(637, 475, 8, 21);
    lblRotaSi->hide();
    Label1->setBuddy(HScroll);
    Label4->setBuddy(HSpeed);
    HScroll->setAccessibleName(Label1->text());
    HScroll->setAccessibleDescription(QStringLiteral("Angolo della prospettiva: più stretto ingrandisce"));
    HSpeed->setAccessibleName(Label4->text());
    HSpeed->setAccessibleDescription(QStringLiteral("Velocità dell'animazione"));

    mnupeta = menuBar()->addAction(QStringLiteral("Il sistema solare"));
    mnuoggi = menuBar()->addAction(QStringLiteral("Posizioni di oggi"));
    mnuTempo = menuBar()->addMenu(QStringLiteral("Tempo"));
    mnupausa = mnuTempo->addAction(QStringLiteral("Pausa"));
    mnupausa->setShortcut(Qt::Key_Space);
    mnuindietro = mnuTempo->addAction(QStringLiteral("Indietro nel tempo"));
    mnuindietro->setShortcut(Qt::Key_J);
    mnuindietro->setCheckable(true);
    mnudata = mnuTempo->addAction(QStringLiteral("Vai alla data…"));
    mnudata->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnueventi = mnuTempo->addAction(QStringLiteral("Eventi del cielo…"));
    mnueventi->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    CreateTimeRateMenu();
    mnuVista = menuBar()->addMenu(QStringLiteral("Vista"));
    mnuschermo = mnuVista->addAction(QStringLiteral("Schermo intero"));
    mnuschermo->setShortcut(Qt::Key_F11);
    mnuschermo->setCheckable(true);
    mnusalva = mnuVista->addAction(QStringLiteral("Salva immagine…"));
    mnusalva->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnucopia = mnuVista->addAction(QStringLiteral("Copia immagine"));
    mnucopia->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnunomi = mnuVista->addAction(QStringLiteral("Nomi dei corpi"));
    mnunomi->setShortcut(Qt::Key_N);
    mnunomi->setCheckable(true);
    mnuorbite = mnuVista->addAction(QStringLiteral("Orbite vere"));
    mnuorbite->setShortcut(Qt::Key_O);
    mnuorbite->setCheckable(true);
    mnuvista = mnuVista->addAction(QStringLiteral("Vista iniziale"));
    mnuvista->setShortcut(Qt::Key_Home);
    mnuesci = new QAction(this);
    mnuesci->setShortcut(Qt::Key_Escape);
    mnuesci->setEnabled(false);
    // The shortcuts belong to the window too, so that they work while the
    // menu bar is hidden in full screen.
    addActions({mnupausa, mnuindietro, mnudata, mnueventi, mnuschermo, mnusalva, mnucopia, mnunomi, mnuorbite, mnuvista, mnuesci});
    // Empty until the sky is real.
    lblData = new QLabel(menuBar());
    lblData->setContentsMargins(0, 0, 8, 0);
    lblData->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // As wide as its longest text, whatever the month and the rate, so that
    // the menu bar never cuts it.
    int dateWidth = 0;
    for (const SkyRate rate : kSkyRates) {
        for (int month = 1; month <= 12; ++month) {
            const QString longest =
                SkyDateText(QDateTime(QDate(2088, month, 28), QTime(23, 58, 58), Qt::UTC), true, true, rate);
            dateWidth = std::max(dateWidth, lblData->fontMetrics().horizontalAdvance(longest));
        }
    }
    lblData->setMinimumWidth(dateWidth + 8);
    lblData->setAccessibleName(QStringLiteral("Data del cielo"));
    menuBar()->setCornerWidget(lblData, Qt::TopRightCorner);

    // Keyboard order: the view, the tilt buttons, the pan buttons, the two
    // scroll bars, the orbit box.
    QWidget* tabOrder[] = {glView1Container, CmdRotasiDown, CmdRotasiUp, CmdRight, CmdLeft,
                           CmdDown, CmdUP, HSpeed, HScroll, ChkPath};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    }

    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
}

void OGLWin::ConnectControls()
{
    connect(CmdUP, &QToolButton::clicked, this, &OGLWin::CmdUP_Click);
    connect(CmdDown, &QToolButton::clicked, this, &OGLWin::CmdDown_Click);
    connect(CmdLeft, &QToolButton::clicked, this, &OGLWin::CmdLeft_Click);
    connect(CmdRight, &QToolButton::clicked, this, &OGLWin::CmdRight_Click);
    connect(CmdRotasiUp, &QToolButton::clicked, this, &OGLWin::CmdRotasiUp_Click);
    connect(CmdRotasiDown, &QToolButton::clicked, this, &OGLWin::CmdRotasiDown_Click);
    // Moves of the thumb while it is dragged are Scroll events; arrow, track
    // and keyboard changes are Change events.
    connect(HScroll, &QScrollBar::valueChanged, this, [this] {
        if (HScroll->isSliderDown()) {
            HScroll_Scroll();
        } else {
            HScroll_Change();
        }
    });
    connect(HSpeed, &QScrollBar::valueChanged, this, &OGLWin::HSpeed_Change);
    connect(mnupeta, &QAction::triggered, this, &OGLWin::mnupeta_Click);
    connect(mnuoggi, &QAction::triggered, this, &OGLWin::mnuoggi_Click);
    connect(mnupausa, &QAction::triggered, this, &OGLWin::mnupausa_Click);
    connect(mnuindietro, &QAction::triggered, this, &OGLWin::mnuindietro_Click);
    connect(mnudata, &QAction::triggered, this, &OGLWin::mnudata_Click);
    connect(mnueventi, &QAction::triggered, this, &OGLWin::mnueventi_Click);
    connect(mnuschermo, &QAction::triggered, this, &OGLWin::mnuschermo_Click);
    connect(mnuesci, &QAction::triggered, this, &OGLWin::mnuesci_Click);
    connect(mnusalva, &QAction::triggered, this, &OGLWin::mnusalva_Click);
    connect(mnucopia, &QAction::triggered, this, &OGLWin::mnucopia_Click);
    connect(mnuvista, &QAction::triggered, this, &OGLWin::mnuvista_Click);
    connect(mnuorbite, &QAction::triggered, this, &OGLWin::mnuorbite_Click);
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        button->installEventFilter(this);
    }
}
