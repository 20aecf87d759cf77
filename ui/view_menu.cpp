#include "view_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

ViewMenu::ViewMenu(QMainWindow& window)
{
    mnuVista = window.menuBar()->addMenu(QStringLiteral("Vista"));
    mnuschermo = mnuVista->addAction(QStringLiteral("Schermo intero"));
    mnuschermo->setShortcut(Qt::Key_F11);
    mnuschermo->setCheckable(true);
    mnusalva = mnuVista->addAction(QStringLiteral("Salva immagine…"));
    mnusalva->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnucopia = mnuVista->addAction(QStringLiteral("Copia immagine"));
    mnucopia->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnunomi = mnuVista->addAction(QStringLiteral("Nomi dei corpi"));
    mnunomi->setShortcut(Qt::Key_N);
    mnunomi->setCheckable(true);
    mnuorbite = mnuVista->addAction(QStringLiteral("Orbite vere"));
    mnuorbite->setShortcut(Qt::Key_O);
    mnuorbite->setCheckable(true);
    mnuvista = mnuVista->addAction(QStringLiteral("Vista iniziale"));
    mnuvista->setShortcut(Qt::Key_Home);
    mnuesci = new QAction(&window);
    mnuesci->setShortcut(Qt::Key_Escape);
    mnuesci->setEnabled(false);
    window.addActions({mnuschermo, mnusalva, mnucopia, mnunomi, mnuorbite, mnuvista, mnuesci});
}
