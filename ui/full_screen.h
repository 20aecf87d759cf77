#pragma once

#include <QByteArray>
#include <QList>

class QMainWindow;
class QWidget;
struct ViewMenu;

// Full screen shows the view alone, without the menu bar and the controls;
// back, the window is where and as large as it was.
class FullScreenMode {
public:
    bool On() const { return Active; }
    // Switches `window` between full screen and its normal place; `strip`
    // hides with the menu bar, and the menu's items say which is on.
    void Toggle(QMainWindow& window, const QList<QWidget*>& strip, const ViewMenu& menu);

private:
    bool Active = false;
    QByteArray NormalGeometry; // the window's place and size before full screen
};
