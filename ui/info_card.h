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
// or the view is hidden. Each time it shows another body, it tells screen
// readers its text.
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
    void hideEvent(QHideEvent* event) override;

private:
    void ShowText(std::uint8_t body);
    void PlaceBeside(QPoint pointer);
    void Announce(std::uint8_t body);

    QWindow& View;
    std::array<QString, kSceneBodyCount> Texts; // each prepared when first shown
    std::uint8_t Shown = NoBody;          // whose text the labels hold
    std::uint8_t Announced = NoBody;      // whose card screen readers were told of since it showed
};
