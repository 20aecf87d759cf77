#include "constellations.h"

#include <algorithm>

const std::array<std::string_view, kConstellationCount> kConstellationAbbreviations{
    "And", "Ant", "Aps", "Aqr", "Aql", "Ara", "Ari", "Aur", "Boo", "Cae", "Cam", "Cnc", "CVn", "CMa", "CMi",
    "Cap", "Car", "Cas", "Cen", "Cep", "Cet", "Cha", "Cir", "Col", "Com", "CrA", "CrB", "Crv", "Crt", "Cru",
    "Cyg", "Del", "Dor", "Dra", "Equ", "Eri", "For", "Gem", "Gru", "Her", "Hor", "Hya", "Hyi", "Ind", "Lac",
    "Leo", "LMi", "Lep", "Lib", "Lup", "Lyn", "Lyr", "Men", "Mic", "Mon", "Mus", "Nor", "Oct", "Oph", "Ori",
    "Pav", "Peg", "Per", "Phe", "Pic", "Psc", "PsA", "Pup", "Pyx", "Ret", "Sge", "Sgr", "Sco", "Scl", "Sct",
    "Ser", "Sex", "Tau", "Tel", "Tri", "TrA", "Tuc", "UMa", "UMi", "Vel", "Vir", "Vol", "Vul"};

int ConstellationIndex(std::string_view abbreviation)
{
    const auto* found = std::find(kConstellationAbbreviations.begin(), kConstellationAbbreviations.end(), abbreviation);
    return found == kConstellationAbbreviations.end()
               ? kNoConstellation
               : static_cast<int>(found - kConstellationAbbreviations.begin());
}
