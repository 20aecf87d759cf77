#pragma once

#include "sky_data_text.h"

#include <QString>

// The words of the sky behind the bodies: the constellations' and the named
// stars' Italian names, the menu items, and the line on standard error for
// data that could not be read.
namespace StarText {

// The Italian name of constellation `index` of kConstellationAbbreviations ("Orione").
QString ConstellationName(int index);
// The Italian name of named star `index` of kNamedStarNumbers ("Sirio").
QString StarName(int index);

QString MnuStelle();        // "Stelle"
QString MnuCostellazioni(); // "Costellazioni"
QString MnuViaLattea();     // "Via Lattea"

// Which data could not be read.
enum class SkyData { Catalogue, Figures, MilkyWay };
// "Il sistema solare: …", one line with its line end: the file, why, and what
// is unavailable; `refusal` is none for a picture that could not be read.
QString SkyDataRefused(SkyData data, const QString& path, const std::optional<SkyDataRefusal>& refusal);

} // namespace StarText
