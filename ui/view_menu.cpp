#include "view_menu.h"

#include "texts_sky.h"
#include "texts_stars.h"
#include "texts_window.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

ViewMenu::ViewMenu(QMainWindow& window)
{
    mnuVista = window.menuBar()->addMenu(WindowText::MnuVista());
    mnuschermo = mnuVista->addAction(WindowText::MnuSchermo());
    mnuschermo->setShortcut(Qt::Key_F11);
    mnuschermo->setCheckable(true);
    mnusalva = mnuVista->addAction(WindowText::MnuSalva());
    mnusalva->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnucopia = mnuVista->addAction(WindowText::MnuCopia());
    mnucopia->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnunomi = mnuVista->addAction(WindowText::MnuNomi());
    mnunomi->setShortcut(Qt::Key_N);
    mnunomi->setCheckable(true);
    mnuorbite = mnuVista->addAction(WindowText::MnuOrbite());
    mnuorbite->setShortcut(Qt::Key_O);
    mnuorbite->setCheckable(true);
    mnustelle = mnuVista->addAction(StarText::MnuStelle());
    mnustelle->setShortcut(Qt::Key_S);
    mnustelle->setCheckable(true);
    mnucostellazioni = mnuVista->addAction(StarText::MnuCostellazioni());
    mnucostellazioni->setShortcut(Qt::Key_C);
    mnucostellazioni->setCheckable(true);
    mnuvialattea = mnuVista->addAction(StarText::MnuViaLattea());
    mnuvialattea->setCheckable(true);
    mnulune = mnuVista->addAction(MnuLune());
    mnulune->setShortcut(Qt::Key_M);
    mnulune->setCheckable(true);
    mnuvista = mnuVista->addAction(WindowText::MnuVistaIniziale());
    mnuvista->setShortcut(Qt::Key_Home);
    mnuesci = new QAction(&window);
    mnuesci->setShortcut(Qt::Key_Escape);
    mnuesci->setEnabled(false);
    window.addActions({mnuschermo, mnusalva, mnucopia, mnunomi, mnuorbite, mnustelle, mnucostellazioni,
                       mnuvialattea, mnulune, mnuvista, mnuesci});
}
