#include "sky_names.h"

#include "texts_stars.h"

namespace {

constexpr int kConstellationPixels = 12; // logical pixels
constexpr int kStarPixels = 11;
constexpr double kStarGapPixels = 3; // between a star and its name
constexpr std::array<GLfloat, 4> kConstellationTint{0.55F, 0.65F, 0.9F, 1.0F};
constexpr std::array<GLfloat, 4> kStarTint{0.85F, 0.85F, 0.75F, 1.0F};

} // namespace

// The constellations' names and then the stars', in one texture.
void SkyNameLabels::Prepare(double scale)
{
    Release();
    std::vector<LabelText> texts;
    for (int i = 0; i < kConstellationCount; ++i) {
        texts.push_back({StarText::ConstellationName(i), kConstellationPixels});
    }
    for (int i = 0; i < kNamedStarCount; ++i) {
        texts.push_back({StarText::StarName(i), kStarPixels});
    }
    Labels = MakeScreenLabels(texts, scale);
    PreparedScale = scale;
}

void SkyNameLabels::Draw(const StarBackdrop& backdrop, bool constellations, bool stars, double scale)
{
    const SkyBackdropData* sky = backdrop.Data();
    if (sky == nullptr || (!constellations && !stars)) {
        return;
    }
    const ScreenLabelPass pass;
    if (scale != PreparedScale) {
        Prepare(scale);
    }
    const ScreenLabelBatch batch(Labels.front().texture);
    double x = 0;
    double y = 0;
    if (constellations) {
        glColor4fv(kConstellationTint.data());
        for (int i = 0; i < kConstellationCount; ++i) {
            const ScreenLabel& label = Labels[static_cast<std::size_t>(i)];
            if (sky->figureCentres[i] && backdrop.Project(*sky->figureCentres[i], x, y)) {
                batch.Put(label, x - label.width / 2.0, y - label.height / 2.0);
            }
        }
    }
    if (stars) {
        glColor4fv(kStarTint.data());
        for (int i = 0; i < kNamedStarCount; ++i) {
            const ScreenLabel& label = Labels[static_cast<std::size_t>(kConstellationCount + i)];
            if (sky->namedStars[i] && backdrop.Project(*sky->namedStars[i], x, y)) {
                batch.Put(label, x + kStarGapPixels * scale, y - label.height / 2.0);
            }
        }
    }
}

void SkyNameLabels::Release()
{
    DeleteScreenLabels(Labels);
    Forget();
}

void SkyNameLabels::Forget()
{
    Labels.clear();
    PreparedScale = 0;
}
