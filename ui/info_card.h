#pragma once

#include "body_ids.h"

#include <QFrame>

#include <array>
#include <cstdint>

class QLabel;
class QWindow;

// The card beside the pointer that names the body it rests on, with a few of
// its figures. A tooltip-style top-level window, so that it stands above the
// native GL surface; it never takes the focus and lets every mouse event
// through to the view underneath. It hides when the pointer leaves the view
// or the view is hidden.
class InfoCard final : public QFrame {
    Q_OBJECT

public:
    InfoCard(QWindow& view, QWidget* owner);

    // Shows the card of `body` beside the pointer at `pointer` (global
    // coordinates), or hides it for no body and while a modal window is open.
    void Follow(std::uint8_t body, QPoint pointer);

    QLabel* lblName = nullptr;    // the body's name, bold
    QLabel* lblFigures = nullptr; // one figure a line

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowText(std::uint8_t body);
    void PlaceBeside(QPoint pointer);

    QWindow& View;
    std::array<QString, Pluto + 1> Texts; // each prepared when first shown
    std::uint8_t Shown = NoBody;          // whose text the labels hold
};
