#include "body_names.h"

#include "name_layout.h"
#include "texts_sky.h"

namespace {

constexpr int kTextPixels = 13; // logical pixels
constexpr double kGapPixels = 4; // between a body's edge and its name

} // namespace

void BodyNameLabels::Prepare(double scale)
{
    Release();
    for (std::size_t id = Sun; id < labels.size(); ++id) {
        labels[id] = MakeScreenLabel(BodyName(static_cast<std::uint8_t>(id)), kTextPixels, true, scale);
    }
    preparedScale = scale;
}

void BodyNameLabels::Release()
{
    for (ScreenLabel& label : labels) {
        DeleteScreenLabel(label);
    }
    Forget();
}

void BodyNameLabels::Forget()
{
    labels = {};
    preparedScale = 0;
}

void BodyNameLabels::Draw(const BodyPlaces& places, double scale)
{
    const ScreenLabelPass pass;
    if (scale != preparedScale) {
        Prepare(scale);
    }
    std::array<QSizeF, kSceneBodyCount> sizes{};
    for (std::size_t id = Sun; id < labels.size(); ++id) {
        sizes[id] = QSizeF(labels[id].width, labels[id].height);
    }
    const NamePlaces names = PlaceNames(places, sizes, kGapPixels * scale);
    for (std::size_t id = Sun; id < labels.size(); ++id) {
        if (names[id]) {
            pass.Draw(labels[id], names[id]->left(), names[id]->top());
        }
    }
}
