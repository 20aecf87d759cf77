#include "constellation_figures.h"

#include "sky_units.h"
#include "sky_vector.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMatchDegrees = 0.05;

bool ReadStroke(std::string_view line, FigureStroke& stroke)
{
    if (line.size() > SkyDataLines::kMaxLineBytes) {
        return false;
    }
    std::string_view values = line.substr(0, std::min(line.find('#'), line.size()));
    std::array<double, 4> numbers{};
    for (double& number : numbers) {
        if (!TakeNumber(values, number)) {
            return false;
        }
    }
    if (!OnlyBlanks(values)) {
        return false;
    }
    stroke = {numbers[1] * 15, numbers[0], numbers[3] * 15, numbers[2]};
    return std::abs(numbers[0]) <= 90 && std::abs(numbers[2]) <= 90 && numbers[1] >= 0 && numbers[1] <= 24 &&
           numbers[3] >= 0 && numbers[3] <= 24;
}

Vector3 Direction(double rightAscension, double declination)
{
    return Rectangular({rightAscension, declination, 1});
}

// The constellation of the named star nearest a point within the match, or
// kNoConstellation. The stars are sorted by declination.
int ConstellationAt(const std::vector<const CatalogueStar*>& byDeclination, double rightAscension,
                    double declination)
{
    const auto first = std::lower_bound(byDeclination.begin(), byDeclination.end(), declination - kMatchDegrees,
                                        [](const CatalogueStar* star, double d) { return star->declination < d; });
    const Vector3 point = Direction(rightAscension, declination);
    const double nearest = std::cos(kMatchDegrees * kRadiansPerDegree);
    double best = nearest;
    int constellation = -1;
    for (auto it = first; it != byDeclination.end() && (*it)->declination <= declination + kMatchDegrees; ++it) {
        const double closeness = Dot(point, Direction((*it)->rightAscension, (*it)->declination));
        if (closeness >= best) {
            best = closeness;
            constellation = (*it)->constellation;
        }
    }
    return constellation;
}

} // namespace

ConstellationFigures ParseConstellationFigures(std::string_view text)
{
    ConstellationFigures figures;
    SkyDataLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        FigureStroke stroke;
        if (!ReadStroke(line, stroke)) {
            return {{}, SkyDataRefusal{SkyDataFault::BadLine, lines.Number()}};
        }
        if (static_cast<int>(figures.strokes.size()) == kMaxFigureStrokes) {
            return {{}, SkyDataRefusal{SkyDataFault::TooManyLines, lines.Number()}};
        }
        figures.strokes.push_back(stroke);
    }
    if (figures.strokes.empty()) {
        return {{}, SkyDataRefusal{SkyDataFault::Empty}};
    }
    return figures;
}

void AssignConstellations(std::vector<FigureStroke>& strokes, const std::vector<CatalogueStar>& stars)
{
    std::vector<const CatalogueStar*> named;
    for (const CatalogueStar& star : stars) {
        if (star.constellation >= 0) {
            named.push_back(&star);
        }
    }
    std::sort(named.begin(), named.end(),
              [](const CatalogueStar* a, const CatalogueStar* b) { return a->declination < b->declination; });
    int previous = -1;
    for (FigureStroke& stroke : strokes) {
        int constellation = ConstellationAt(named, stroke.fromRightAscension, stroke.fromDeclination);
        if (constellation < 0) {
            constellation = ConstellationAt(named, stroke.toRightAscension, stroke.toDeclination);
        }
        stroke.constellation = constellation < 0 ? previous : constellation;
        previous = stroke.constellation;
    }
}
