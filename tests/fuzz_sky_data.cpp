// libFuzzer entry for the star catalogue's and the figures' parsers. Besides
// crashes and sanitizer reports it treats as a fault a refusal that keeps
// data, an acceptance without data, and a value out of its range.

#include "constellation_figures.h"
#include "star_catalogue.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool OnTheSky(double rightAscension, double declination)
{
    return rightAscension >= 0 && rightAscension <= 360 && std::abs(declination) <= 90;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const StarCatalogue catalogue = ParseStarCatalogue(text);
    if (catalogue.refusal.has_value() == !catalogue.stars.empty()) {
        std::abort();
    }
    for (const CatalogueStar& star : catalogue.stars) {
        if (!OnTheSky(star.rightAscension, star.declination) || !(star.magnitude >= -2 && star.magnitude <= 10) ||
            star.constellation >= 88) {
            std::abort();
        }
    }
    const ConstellationFigures figures = ParseConstellationFigures(text);
    if (figures.refusal.has_value() == !figures.strokes.empty() ||
        static_cast<int>(figures.strokes.size()) > kMaxFigureStrokes) {
        std::abort();
    }
    for (const FigureStroke& stroke : figures.strokes) {
        if (!OnTheSky(stroke.fromRightAscension, stroke.fromDeclination) ||
            !OnTheSky(stroke.toRightAscension, stroke.toDeclination)) {
            std::abort();
        }
    }
    return 0;
}
