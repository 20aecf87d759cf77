#include "star_catalogue.h"

#include "constellations.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kDesignationChars = 10;

// The quoted designation and the constellation in its last three characters.
bool TakeDesignation(std::string_view& rest, int& constellation)
{
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) {
        rest.remove_prefix(1);
    }
    if (rest.size() < kDesignationChars + 2 || rest.front() != '"' || rest[kDesignationChars + 1] != '"') {
        return false;
    }
    const std::string_view designation = rest.substr(1, kDesignationChars);
    rest.remove_prefix(kDesignationChars + 2);
    if (!std::all_of(designation.begin(), designation.end(), [](char c) { return c >= ' ' && c <= '~'; })) {
        return false;
    }
    const std::string_view abbreviation = designation.substr(kDesignationChars - 3);
    constellation = abbreviation == "   " ? kNoConstellation : ConstellationIndex(abbreviation);
    return abbreviation == "   " || constellation != kNoConstellation;
}

bool ReadStar(std::string_view line, CatalogueStar& star)
{
    double hours = 0;
    int hd = 0;
    int sao = 0;
    if (line.size() > SkyDataLines::kMaxLineBytes || !TakeNumber(line, star.declination) || !TakeNumber(line, hours) ||
        !TakeNumber(line, star.magnitude) || !TakeDesignation(line, star.constellation) ||
        !TakeCount(line, star.number) || !TakeCount(line, hd) || !TakeCount(line, sao) || !OnlyBlanks(line)) {
        return false;
    }
    star.rightAscension = hours * 15;
    return std::abs(star.declination) <= 90 && hours >= 0 && hours < 24 && star.magnitude >= -2 &&
           star.magnitude <= 10 && star.number > 0;
}

} // namespace

StarCatalogue ParseStarCatalogue(std::string_view text)
{
    StarCatalogue catalogue;
    SkyDataLines lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        CatalogueStar star;
        if (!ReadStar(line, star)) {
            return {{}, SkyDataRefusal{SkyDataFault::BadLine, lines.Number()}};
        }
        if (static_cast<int>(catalogue.stars.size()) == kMaxCatalogueStars) {
            return {{}, SkyDataRefusal{SkyDataFault::TooManyLines, lines.Number()}};
        }
        catalogue.stars.push_back(star);
    }
    if (catalogue.stars.empty()) {
        return {{}, SkyDataRefusal{SkyDataFault::Empty}};
    }
    return catalogue;
}
