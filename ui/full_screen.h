#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>

class QLabel;
class QMainWindow;
class QWidget;
struct ViewMenu;

// Full screen shows the view alone, without the menu bar and the controls,
// with a hint of the way back at the top of the screen for its first few
// seconds; back, the window is where and as large as it was.
class FullScreenMode {
public:
    bool On() const { return Active; }
    // Switches `window` between full screen and its normal place; `strip`
    // hides with the menu bar, and the menu's items say which is on.
    void Toggle(QMainWindow& window, const QList<QWidget*>& strip, const ViewMenu& menu);
    // The hint while it shows, else null.
    const QLabel* Hint() const;

private:
    void ShowHint(QMainWindow& window);

    bool Active = false;
    QPointer<QLabel> HintLabel; // a tooltip-like window of its own, above the GL surface
    QByteArray NormalGeometry; // the window's place and size before full screen
};
