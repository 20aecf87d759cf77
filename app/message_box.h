#pragma once

#include <QString>

#include <functional>

// Shows a modal message box with the critical icon, one OK button and the
// application's title. Every failure report of the program goes through here.
void ShowCriticalMessage(const QString& text);

// Replaces what ShowCriticalMessage does (tests record the text instead of
// blocking on a modal box). Returns the previous handler.
using MessageBoxHandler = std::function<void(const QString&)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
