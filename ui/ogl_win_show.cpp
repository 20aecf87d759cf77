// Showing and sharing the view: full screen, and the picture saved to a file
// or copied to the clipboard.

#include "frame_timer.h"
#include "info_card.h"
#include "message_box.h"
#include "ogl_module.h"
#include "ogl_win.h"
#include "picture_file.h"
#include "save_file_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>

#include <cmath>

using namespace OGLModule;

// The row of controls under the view, as shown in the window.
QList<QWidget*> OGLWin::ControlStrip() const
{
    return {Label1, HScroll, Label4, HSpeed, Label2, CmdUP, CmdLeft, CmdRight, CmdDown,
            Label3, CmdRotasiUp, CmdRotasiDown, ChkPath};
}

// Full screen shows the view alone; back, the window is as it was.
void OGLWin::mnuschermo_Click()
{
    FullScreen = !FullScreen;
    if (FullScreen) {
        NormalGeometry = saveGeometry();
    }
    menuBar()->setVisible(!FullScreen);
    for (QWidget* control : ControlStrip()) {
        control->setVisible(!FullScreen);
    }
    mnuschermo->setChecked(FullScreen);
    mnuesci->setEnabled(FullScreen);
    if (FullScreen) {
        showFullScreen();
    } else {
        showNormal();
        restoreGeometry(NormalGeometry);
    }
    Form_Resize();
    glView1Container->setFocus();
}

// Escape in full screen lets a body chosen from the keyboard go first; with
// none, it leaves full screen.
void OGLWin::mnuesci_Click()
{
    if (ChosenByKey) {
        ClearChosenBody();
    } else {
        mnuschermo_Click();
    }
}

QImage OGLWin::FrameImage()
{
    if (!Loaded || !MakeViewCurrent()) {
        return {};
    }
    FollowViewScale();
    // An error an earlier call left behind is not this frame's.
    while (glGetError() != GL_NO_ERROR) {
    }
    CapturingFrame = true;
    Render_glView1();
    CapturingFrame = false;
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    if (viewport[2] <= 0 || viewport[3] <= 0 || glGetError() != GL_NO_ERROR) {
        return {};
    }
    QImage frame(viewport[2], viewport[3], QImage::Format_RGBX8888);
    if (frame.isNull()) { // no memory for it
        return {};
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, viewport[2], viewport[3], GL_RGBA, GL_UNSIGNED_BYTE, frame.bits());
    if (glGetError() != GL_NO_ERROR) {
        return {};
    }
    // OpenGL's rows run from the bottom up.
    return frame.mirrored();
}

SaveFileAnswer OGLWin::AskSaveFile(QWidget* owner, const SaveFileQuestion& question)
{
    return ChooseSaveFile ? ChooseSaveFile(question.proposed) : AskSaveFileName(owner, question);
}

void OGLWin::mnusalva_Click()
{
    const QImage frame = FrameImage();
    if (frame.isNull()) {
        ShowCriticalMessage(QStringLiteral("Non è stato possibile leggere l'immagine della vista."));
        return;
    }
    QString path;
    {
        const ScopedTimerPause pause(TimerPause::ModalDialog);
        BodyCard->hide();
        const QString proposed =
            QDir(SaveFolder(QStandardPaths::PicturesLocation)).filePath(ProposedPictureName(SystemClock()));
        path = AskSaveFile(this, {QStringLiteral("Salva immagine"), proposed, {QStringLiteral("Immagini PNG (*.png)")}}).path;
    }
    if (path.isEmpty()) {
        return;
    }
    const QString failure = SavePicture(frame, path);
    if (!failure.isEmpty()) {
        ShowCriticalMessage(QStringLiteral("Non è stato possibile salvare l'immagine \"%1\": %2.")
                                .arg(QDir::toNativeSeparators(path), failure));
    }
}

void OGLWin::mnucopia_Click()
{
    const QImage frame = FrameImage();
    if (frame.isNull()) {
        ShowCriticalMessage(QStringLiteral("Non è stato possibile leggere l'immagine della vista."));
        return;
    }
    QGuiApplication::clipboard()->setImage(frame);
}
