#include "message_box.h"

#include <QMessageBox>

#include <utility>

namespace {

void ShowModalCritical(const QString& text)
{
    QMessageBox::critical(nullptr, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok);
}

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler = ShowModalCritical;
    return handler;
}

} // namespace

void ShowCriticalMessage(const QString& text)
{
    CurrentHandler()(text);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), handler ? std::move(handler) : ShowModalCritical);
}
