#pragma once

#include <QString>

#include <cstdint>

// The text of the card that names the body with the given id: its Italian
// name on the first line, then one line per physical figure, in Italian
// number format. Planets take their figures from the catalogue, the Sun and
// the Moon from a table of their own. Empty for 0 and for ids of no body.
QString BodyCardText(std::uint8_t body);
