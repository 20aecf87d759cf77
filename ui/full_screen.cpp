#include "full_screen.h"

#include "texts_help.h"
#include "view_menu.h"

#include <QAction>
#include <QLabel>
#include <QScreen>
#include <QTimer>
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
        ShowHint(window);
    } else {
        if (HintLabel != nullptr) {
            HintLabel->hide();
        }
        window.showNormal();
        window.restoreGeometry(NormalGeometry);
    }
}

const QLabel* FullScreenMode::Hint() const
{
    return HintLabel != nullptr && HintLabel->isVisible() ? HintLabel.data() : nullptr;
}

namespace {

constexpr int kHintMilliseconds = 3000;
constexpr int kHintTop = 24; // pixels below the screen's top edge

} // namespace

void FullScreenMode::ShowHint(QMainWindow& window)
{
    if (HintLabel == nullptr) {
        HintLabel = new QLabel(HelpText::FullScreenHint(), &window,
                               Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                                   Qt::WindowDoesNotAcceptFocus);
        HintLabel->setAttribute(Qt::WA_ShowWithoutActivating);
        HintLabel->setForegroundRole(QPalette::ToolTipText);
        HintLabel->setBackgroundRole(QPalette::ToolTipBase);
        HintLabel->setAutoFillBackground(true);
        HintLabel->setMargin(8);
        HintLabel->adjustSize();
        auto* hiding = new QTimer(HintLabel);
        hiding->setSingleShot(true);
        hiding->setInterval(kHintMilliseconds);
        QObject::connect(hiding, &QTimer::timeout, HintLabel, &QWidget::hide);
    }
    const QRect screen = window.screen()->geometry();
    HintLabel->move(screen.center().x() - HintLabel->width() / 2, screen.top() + kHintTop);
    HintLabel->show();
    HintLabel->findChild<QTimer*>()->start(); // from the start again on each entry
}
