#pragma once

#include "sky_data_text.h"
#include "star_catalogue.h"

#include <string_view>
#include <vector>

// The constellations' figures as xplanet ships them: one line a stroke,
// `Dec1 RA1 Dec2 RA2`, declinations in degrees and right ascensions in hours
// of J2000, then an optional comment after '#'. The strokes of one
// constellation follow each other.
struct FigureStroke {
    double fromRightAscension = 0; // degrees
    double fromDeclination = 0;
    double toRightAscension = 0;
    double toDeclination = 0;
    int constellation = -1; // set by AssignConstellations
};

struct ConstellationFigures {
    std::vector<FigureStroke> strokes; // empty when refused
    std::optional<SkyDataRefusal> refusal;
};

// The bounds of a sound file: 767 strokes in xplanet's.
inline constexpr std::int64_t kMaxFigureBytes = 1 << 20;
inline constexpr int kMaxFigureStrokes = 5'000;

// Reads every stroke strictly: any line that is not four numbers in range
// (and a comment) refuses the whole text, as does an empty one.
ConstellationFigures ParseConstellationFigures(std::string_view text);

// Gives each stroke its constellation: that of the catalogue's star at its
// first end (within 0.05 degree), else at its other end, else that of the
// stroke before it, as the file keeps a constellation's strokes together.
void AssignConstellations(std::vector<FigureStroke>& strokes, const std::vector<CatalogueStar>& stars);
