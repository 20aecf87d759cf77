#include "window_place.h"

#include <QSettings>

#include <algorithm>

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kMaximisedKey = QStringLiteral("window/maximised");

} // namespace

std::optional<WindowPlace> KeptWindowPlace(const QSettings& settings, const QList<QRect>& screens)
{
    const QVariant geometry = settings.value(kGeometryKey);
    if (!geometry.canConvert<QRect>()) {
        return std::nullopt;
    }
    const WindowPlace place{geometry.toRect(), settings.value(kMaximisedKey).toString() == QLatin1String("true")};
    const bool fits = place.geometry.isValid() &&
                      std::any_of(screens.begin(), screens.end(),
                                  [&place](const QRect& screen) { return screen.contains(place.geometry); });
    return fits ? std::optional(place) : std::nullopt;
}

void KeepWindowPlace(QSettings& settings, const WindowPlace& place)
{
    settings.setValue(kGeometryKey, place.geometry);
    settings.setValue(kMaximisedKey, place.maximised);
}
