#pragma once

#include "body_ids.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The sky's events: seasons, the Moon's phases, eclipses, the planets'
// oppositions, conjunctions and greatest elongations, found in the apparent
// geocentric places of libnova's theories (ecliptic and equinox of date).

// The kinds a search can be asked for, one check box each.
enum class SkyEventGroup : std::uint8_t {
    Seasons,
    MoonPhases,
    Eclipses,
    SunAlignments, // oppositions and conjunctions with the Sun
    Elongations,   // Mercury's and Venus's greatest elongations
    PlanetConjunctions,
    MoonConjunctions,
};
inline constexpr std::size_t kSkyEventGroupCount = 7;
using SkyEventGroups = std::array<bool, kSkyEventGroupCount>;
inline constexpr SkyEventGroups kAllSkyEventGroups{true, true, true, true, true, true, true};

enum class SkyEventType : std::uint8_t {
    MarchEquinox,
    JuneSolstice,
    SeptemberEquinox,
    DecemberSolstice,
    NewMoon,
    FirstQuarter,
    FullMoon,
    LastQuarter,
    TotalSolarEclipse,
    AnnularSolarEclipse,
    HybridSolarEclipse,
    PartialSolarEclipse,
    TotalLunarEclipse,
    PartialLunarEclipse,
    PenumbralLunarEclipse,
    Opposition,          // Mars to Pluto
    Conjunction,         // Mars to Pluto, with the Sun
    InferiorConjunction, // Mercury and Venus
    SuperiorConjunction,
    GreatestElongationEast, // evening sky
    GreatestElongationWest, // morning sky
    PlanetConjunction,      // two planets, in longitude
    MoonConjunction,        // the Moon and a planet, in longitude
};

struct SkyEvent {
    double julianDay = 0; // of universal time, at the event
    SkyEventType type = SkyEventType::NewMoon;
    BodyId body = NoBody;  // the planet; the inner of a pair of planets
    BodyId other = NoBody; // the outer of a pair of planets
    double degrees = 0;    // the elongation, or the separation at a conjunction
};

SkyEventGroup GroupOf(SkyEventType type);

// Called now and then during a search with the share of the interval done
// (0 to 1); answering false cancels the search.
using SkyEventProgress = std::function<bool(double doneShare)>;

// Every event of the asked groups from `fromJulianDay` to `toJulianDay`
// (universal time, both ends within the span of the theories), in time order.
// Empty when cancelled.
std::optional<std::vector<SkyEvent>> FindSkyEvents(double fromJulianDay, double toJulianDay,
                                                   const SkyEventGroups& groups,
                                                   const SkyEventProgress& progress = {});
