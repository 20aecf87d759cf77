#include "full_screen.h"

#include "view_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>

void FullScreenMode::Toggle(QMainWindow& window, const QList<QWidget*>& strip, const ViewMenu& menu)
{
    Active = !Active;
    if (Active) {
        NormalGeometry = window.saveGeometry();
    }
    window.menuBar()->setVisible(!Active);
    for (QWidget* control : strip) {
        control->setVisible(!Active);
    }
    menu.mnuschermo->setChecked(Active);
    menu.mnuesci->setEnabled(Active);
    if (Active) {
        window.showFullScreen();
    } else {
        window.showNormal();
        window.restoreGeometry(NormalGeometry);
    }
}
