#include "message_box.h"

#include "frame_timer.h"
#include "texts_window.h"

#include <QMessageBox>

#include <utility>

namespace {

void ShowModalCritical(const QString& text)
{
    QMessageBox::critical(nullptr, WindowText::Title(), text, QMessageBox::Ok);
}

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler = ShowModalCritical;
    return handler;
}

} // namespace

void ShowCriticalMessage(const QString& text)
{
    // The animation waits while the box is open, and goes on from where it
    // stood when it closes.
    const OGLModule::ScopedTimerPause pause(OGLModule::TimerPause::MessageBox);
    CurrentHandler()(text);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), handler ? std::move(handler) : ShowModalCritical);
}
