#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The menu "Vista", and Escape for leaving full screen. Every shortcut
// belongs to the window too, so that it works in full screen.
struct ViewMenu {
    explicit ViewMenu(QMainWindow& window);

    QMenu* mnuVista = nullptr;
    QAction* mnuschermo = nullptr; // "Schermo intero", F11
    QAction* mnusalva = nullptr;   // "Salva immagine…", Ctrl+S
    QAction* mnucopia = nullptr;   // "Copia immagine", Ctrl+Shift+C
    QAction* mnunomi = nullptr;    // "Nomi dei corpi", N, a toggle
    QAction* mnuorbite = nullptr;  // "Orbite vere", O, a toggle
    QAction* mnustelle = nullptr;  // "Stelle", S, a toggle
    QAction* mnucostellazioni = nullptr; // "Costellazioni", C, a toggle
    QAction* mnuvialattea = nullptr;     // "Via Lattea", a toggle
    QAction* mnulune = nullptr;          // "Lune dei pianeti", M, a toggle
    QAction* mnuvista = nullptr;   // "Vista iniziale", Home
    QAction* mnuesci = nullptr;    // Escape, while full screen
};
