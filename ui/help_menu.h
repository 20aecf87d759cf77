#pragma once

#include <QList>
#include <QString>

#include <memory>

class QAction;
class QDialog;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;

// The menu "Aiuto": "Tasti e comandi" (F1), the keys and the mouse as a
// table, and "Informazioni", what the program is and where its theories and
// pictures come from.
struct HelpMenu {
    explicit HelpMenu(QMainWindow& window);

    QMenu* mnuAiuto = nullptr;
    QAction* mnutasti = nullptr; // F1
    QAction* mnuinformazioni = nullptr;
};

// The rows of "Tasti e comandi": what to press or do, and what it does; the
// view's keys, then the shortcuts of the menus of `bar`, then the mouse.
struct HelpRow {
    QString key;
    QString action;
};
QList<HelpRow> HelpRows(const QMenuBar& bar);

// The two windows, made to be shown modal over `owner`.
std::unique_ptr<QDialog> MakeKeysWindow(QWidget* owner, const QList<HelpRow>& rows);
std::unique_ptr<QDialog> MakeAboutWindow(QWidget* owner);
