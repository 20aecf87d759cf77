#pragma once

#include <array>
#include <string_view>

// The 88 constellations of the IAU by their three-letter abbreviations, in
// the order of their Latin names: a constellation is its index here.
inline constexpr int kConstellationCount = 88;
inline constexpr int kNoConstellation = -1;
extern const std::array<std::string_view, kConstellationCount> kConstellationAbbreviations;

// The index of an abbreviation ("Ori"), or kNoConstellation.
int ConstellationIndex(std::string_view abbreviation);

// The twenty brightest stars known by a name of their own (the Sun and
// Alpha Centauri, known by its letter, aside), by their number in the Bright
// Star Catalogue (HR), brightest first: a named star is its index here.
inline constexpr int kNamedStarCount = 20;
inline constexpr std::array<int, kNamedStarCount> kNamedStarNumbers{
    2491, // Sirius
    2326, // Canopus
    5340, // Arcturus
    7001, // Vega
    1708, // Capella
    1713, // Rigel
    2943, // Procyon
    472,  // Achernar
    2061, // Betelgeuse
    5267, // Hadar
    7557, // Altair
    4730, // Acrux
    1457, // Aldebaran
    6134, // Antares
    5056, // Spica
    2990, // Pollux
    8728, // Fomalhaut
    7924, // Deneb
    4853, // Mimosa
    3982, // Regulus
};
