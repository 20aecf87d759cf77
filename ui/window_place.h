#pragma once

#include <QList>
#include <QRect>

#include <optional>

class QSettings;

// The main window's place and size as kept between runs: its normal
// geometry (the client area on the desktop) and whether it was maximised.
struct WindowPlace {
    QRect geometry;
    bool maximised = false;
};

// The place kept in `settings`, when it lies wholly within one of the
// `screens` present now (their available areas); none otherwise, or when
// nothing sound was kept.
std::optional<WindowPlace> KeptWindowPlace(const QSettings& settings, const QList<QRect>& screens);

void KeepWindowPlace(QSettings& settings, const WindowPlace& place);
