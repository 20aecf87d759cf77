#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// How long a modal dialog, or a render loop a test expects to end, may go on
// before the test gives up on it.
inline constexpr int kDeadlineMilliseconds = 20000;

// A second deadline for what the first could not end (a window that
// ignores its close): the test program stops with a message instead of
// hanging until CTest kills it.
inline void StopIfStillRunningAfter(QObject& scope, int milliseconds)
{
    QTimer::singleShot(milliseconds, &scope, [] { qFatal("still running after every window was closed"); });
}

// Closes every modal widget still open, topmost first.
inline void CloseModalWidgets()
{
    for (int i = 0; i < 8 && QApplication::activeModalWidget() != nullptr; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        modal->close();
        modal->hide();
    }
}

// Runs `open`, which shows a modal dialog and returns once it has closed, and
// calls `interact` with that dialog while it is up. The dialog is closed
// after `interact` on every path, a failed check inside it included, and a
// deadline closes it if it never comes up as a `Dialog` or never closes.
// Returns false, with the reason in the test log, when the dialog did not
// come up or the deadline struck.
template <typename Dialog>
bool WithModalDialog(const std::function<void()>& open, const std::function<void(Dialog&)>& interact)
{
    QObject scope; // cancels both timers when this returns
    bool shown = false;
    bool deadlineStruck = false;
    QTimer::singleShot(0, &scope, [&] {
        struct CloseOnExit {
            ~CloseOnExit() { CloseModalWidgets(); }
        } closeOnExit;
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr) {
            shown = true;
            interact(*dialog);
        }
    });
    QTimer::singleShot(kDeadlineMilliseconds, &scope, [&] {
        deadlineStruck = true;
        CloseModalWidgets();
    });
    StopIfStillRunningAfter(scope, 2 * kDeadlineMilliseconds);
    open();
    if (!shown) {
        qWarning("no modal dialog of the expected kind came up");
    }
    if (deadlineStruck) {
        qWarning("a modal dialog was still open at the deadline");
    }
    return shown && !deadlineStruck;
}

// Runs `run`, which returns once the windows it shows have closed (a render
// loop, say). A deadline closes every top-level window if it is still running
// then; returns false, with the reason in the test log, when it struck.
inline bool RunWithDeadline(const std::function<void()>& run)
{
    QObject scope; // cancels the timer when this returns
    bool deadlineStruck = false;
    QTimer::singleShot(kDeadlineMilliseconds, &scope, [&] {
        deadlineStruck = true;
        CloseModalWidgets();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
    });
    StopIfStillRunningAfter(scope, 2 * kDeadlineMilliseconds);
    run();
    if (deadlineStruck) {
        qWarning("still running at the deadline");
    }
    return !deadlineStruck;
}
