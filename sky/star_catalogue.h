#pragma once

#include "sky_data_text.h"

#include <string_view>
#include <vector>

// A star of the Bright Star Catalogue as xplanet ships it: one line a star,
// `Dec RA Mag "Name" HR HD SAO`, the declination in degrees and the right
// ascension in hours of J2000, the visual magnitude, the ten characters of
// the Flamsteed and Bayer designation ("  9Alp CMa", the constellation in the
// last three), and the three catalogue numbers.
struct CatalogueStar {
    double rightAscension = 0; // degrees
    double declination = 0;    // degrees
    double magnitude = 0;
    int number = 0;            // HR
    int constellation = -1;    // index of kConstellationAbbreviations, or kNoConstellation
};

struct StarCatalogue {
    std::vector<CatalogueStar> stars; // empty when refused
    std::optional<SkyDataRefusal> refusal;
};

// The bounds of a sound catalogue: 9,110 stars in the whole catalogue.
inline constexpr std::int64_t kMaxCatalogueBytes = 4 << 20;
inline constexpr int kMaxCatalogueStars = 10'000;

// Reads every line of a catalogue, strictly: a line that is not a star of
// the format with its values in range refuses the whole text, as does an
// empty one, so that no half-read sky is shown.
StarCatalogue ParseStarCatalogue(std::string_view text);
