#pragma once

#include "body_ids.h"
#include "sky_event_files.h"
#include "sky_events.h"
#include "sky_rates.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

// The words of the sky: the bodies' names, their cards, the events, the rates
// of time and the sky's date.

// A body's or a moon's Italian name ("Sole", "Terra", "Ganimede"); empty for
// NoBody and ids of no body.
QString BodyName(std::uint8_t body);

// The item of "Vista" that shows the planets' moons: "Lune dei pianeti".
QString MnuLune();

// The text of the card that names the body with the given id: its name on
// the first line, then one line per physical figure, in the texts' number
// format. Planets take their figures from the catalogue, the Sun and the
// Moon from a table of their own, the planets' moons from theirs (with the
// planet they belong to). Empty for 0 and for ids of no body.
QString BodyCardText(std::uint8_t body);

// The check box's text of a group of events ("Eclissi"...).
QString SkyEventGroupText(SkyEventGroup group);

// The event in words: "Opposizione di Marte", "Luna piena",
// "Elongazione massima est di Venere (47,2°)", "Congiunzione Giove–Saturno (0,1°)".
QString SkyEventText(const SkyEvent& event);

// The words the events' files hold: the CSV's column heads and each event's text.
SkyEventWords SkyEventFileWords();

// "1 ora al secondo", as the menu lists it.
QString RateMenuText(SkyRate rate);
// "1 ora/s", as the date says it; empty for the bar's rate.
QString RateDateText(SkyRate rate);

// What the window says of the sky's moment: the day ("8 dicembre 2026"), at a
// day a second and slower the time of day in UTC ("23:15 UTC", with seconds
// at an hour a second and slower), the rate where it is not the bar's
// (" · 1 giorno/s"), then " (in pausa)" while time is stopped and " ◀" while
// it is set to run backwards.
QString SkyDateText(const QDateTime& moment, bool paused, bool backwards, SkyRate rate = SkyRate::SpeedBar);
