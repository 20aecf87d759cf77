#include "name_layout.h"

#include <algorithm>
#include <numeric>

NamePlaces PlaceNames(const BodyPlaces& places, const std::array<QSizeF, kSceneBodyCount>& sizes, double gap)
{
    std::array<std::size_t, kSceneBodyCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&places](std::size_t a, std::size_t b) { return places[a].extent > places[b].extent; });
    NamePlaces names{};
    const auto isFree = [&names](const QRectF& wanted) {
        return std::none_of(names.begin(), names.end(),
                            [&wanted](const std::optional<QRectF>& taken) { return taken && taken->intersects(wanted); });
    };
    for (const std::size_t id : order) {
        const BodyPlace& place = places[id];
        if (id == NoBody || !place.inFront) {
            continue;
        }
        const QSizeF size = sizes[id];
        const QRectF beside(place.x + place.extent + gap, place.y - size.height() / 2, size.width(), size.height());
        const QRectF below(place.x - size.width() / 2, place.y - place.extent - gap - size.height(), size.width(),
                           size.height());
        if (isFree(beside)) {
            names[id] = beside;
        } else if (isFree(below)) {
            names[id] = below;
        }
    }
    return names;
}
