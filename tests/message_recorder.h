#pragma once

#include "message_box.h"

#include <QStringList>

#include <utility>

// Records every message box's text instead of showing the box, for as long
// as it lives; then the handler before it is back.
class MessageRecorder {
public:
    MessageRecorder()
        : previous_(SetMessageBoxHandler([this](const QString& text) { messages.append(text); }))
    {
    }
    ~MessageRecorder() { SetMessageBoxHandler(std::move(previous_)); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList messages;

private:
    MessageBoxHandler previous_;
};
