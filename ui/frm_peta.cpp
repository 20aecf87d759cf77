#include "frm_peta.h"

#include "frame_timer.h"
#include "texts_dialogs.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kClientSize(794, 466);

} // namespace

FrmPeta::FrmPeta(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(PictureDialogText::Title());
    setFixedSize(kClientSize);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    Command1 = new QPushButton(PictureDialogText::Ok(), this);
    Command1->setGeometry(686, 436, 101, 25);
    QFont buttonFont(QStringLiteral("MS Sans Serif"));
    buttonFont.setPointSizeF(8.25);
    buttonFont.setBold(true);
    buttonFont.setStyleHint(QFont::SansSerif);
    Command1->setFont(buttonFont);
    Command1->setDefault(true);

    ImgSun = new QLabel(this);
    ImgSun->setGeometry(0, 0, 793, 430);
    ImgSun->setPixmap(QPixmap(QStringLiteral(":/images/sistema-solare.png")));
    ImgSun->setScaledContents(true);
    ImgSun->setAccessibleName(PictureDialogText::ImageName());

    connect(Command1, &QPushButton::clicked, this, &FrmPeta::Command1_Click);
}

FrmPeta::~FrmPeta()
{
    Form_Terminate();
}

void FrmPeta::Form_Load()
{
    if (parentWidget() != nullptr) {
        setWindowIcon(parentWidget()->windowIcon());
    }
    Command1->setFocus();
}

void FrmPeta::Command1_Click()
{
    close();
    OGLModule::ReleaseTimerPause(OGLModule::TimerPause::PictureWindow);
}

void FrmPeta::Form_Unload()
{
    OGLModule::ReleaseTimerPause(OGLModule::TimerPause::PictureWindow);
}

void FrmPeta::Form_Terminate()
{
    OGLModule::ReleaseTimerPause(OGLModule::TimerPause::PictureWindow);
}

void FrmPeta::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::closeEvent(event);
}

// Escape closes the window too; it resumes the animation like the others.
void FrmPeta::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}
