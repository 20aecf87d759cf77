// Showing and sharing the view: full screen, and the picture saved to a file
// or copied to the clipboard.

#include "info_card.h"
#include "message_box.h"
#include "ogl_win.h"
#include "picture_file.h"
#include "texts_dialogs.h"
#include "texts_window.h"
#include "view_passes.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace OGLModule;

void OGLWin::mnuschermo_Click()
{
    FullScreen.Toggle(*this, Ui.Strip(), Vista);
    Form_Resize();
    Ui.glView1Container->setFocus();
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
    CapturingFrame = true;
    QImage frame = ReadBackFrame([this] { Render_glView1(); });
    CapturingFrame = false;
    return frame;
}

SaveFileAnswer OGLWin::AskSaveFile(QWidget* owner, const SaveFileQuestion& question)
{
    return ChooseSaveFile ? ChooseSaveFile(question.proposed) : AskSaveFileName(owner, question);
}

void OGLWin::mnusalva_Click()
{
    const QImage frame = FrameImage();
    if (frame.isNull()) {
        ShowCriticalMessage(WindowText::FrameUnreadable());
        return;
    }
    BodyCard->hide();
    // A picture of the real sky is named after the sky's moment, else after the clock's.
    const QString name = Time.IsReal() ? PictureFileText::ProposedSkyName(Time.Moment())
                                       : PictureFileText::ProposedName(Time.SystemClock());
    SavePictureAs(frame, name, [this](const SaveFileQuestion& question) { return AskSaveFile(this, question); });
}

void OGLWin::mnucopia_Click()
{
    const QImage frame = FrameImage();
    if (frame.isNull()) {
        ShowCriticalMessage(WindowText::FrameUnreadable());
        return;
    }
    QGuiApplication::clipboard()->setImage(frame);
}
