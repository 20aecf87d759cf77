#include "sky_events.h"

#include "apparent_places.h"
#include "eclipse_geometry.h"
#include "event_refinement.h"
#include "sky_units.h"

#include <algorithm>
#include <cmath>

namespace {

// The scan's step. The fastest angle it follows, the Moon's longitude less
// a planet's, moves under 18 degrees in a day: no quantity turns through a
// half-circle, and none of the events' angles passes its value twice, in a
// step.
constexpr double kGridDays = 0.5;
// The search goes a year at a time, so its memory stays the same for any
// period and it can report its progress and be cancelled.
constexpr double kChunkDays = kDaysPerJulianYear;
constexpr double kSecondInDays = 1.0 / kSecondsPerDay;
constexpr double kMinuteInDays = 60 * kSecondInDays;
constexpr double kPlanetConjunctionLimit = 5;
constexpr double kMoonConjunctionLimit = 3;
// The Moon's latitude beyond which a syzygy cannot make an eclipse.
constexpr double kEclipseLatitudeLimit = 1.8;
// Greatest eclipse comes within this long of the syzygy in longitude.
constexpr double kEclipseWindowDays = 0.25;

constexpr std::array<BodyId, 8> kSeenPlanets{Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto};
constexpr std::array<BodyId, 10> kSeenBodies{Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto};

bool IsInner(BodyId planet)
{
    return planet == Mercury || planet == Venus;
}

using Places = std::array<EclipticPlace, Pluto + 1>;

// A quantity whose sign change marks an event: body a's longitude less body
// b's (0 for no body) less an offset, brought into (-180, 180].
struct LongitudeGap {
    BodyId a;
    BodyId b;
    double offset;
    double Of(const Places& places) const
    {
        const double second = b == NoBody ? 0 : places[b].longitude;
        return Wrapped180(places[a].longitude - second - offset);
    }
};

// One chunk of the search: the scan's grid over it and what it finds.
class ChunkSearch {
public:
    ChunkSearch(double origin, std::ptrdiff_t firstStep, std::ptrdiff_t endStep, std::vector<SkyEvent>& events)
        : Origin(origin), FirstStep(firstStep), EndStep(endStep),
          Sky(TimeOf(firstStep - 1) - 1, TimeOf(endStep + 1) + 1), Events(events)
    {
        for (std::ptrdiff_t step = firstStep - 1; step <= endStep + 1; ++step) {
            Grid.push_back(PlacesAt(TimeOf(step)));
        }
    }

    void Seasons();
    void MoonPhases(bool phases, bool eclipses);
    void SunAlignments();
    void Elongations();
    void PlanetConjunctions();
    void MoonConjunctions();

private:
    double TimeOf(std::ptrdiff_t step) const { return Origin + static_cast<double>(step) * kGridDays; }
    const Places& GridAt(std::ptrdiff_t step) const
    {
        return Grid[static_cast<std::size_t>(step - (FirstStep - 1))];
    }
    Places PlacesAt(double julianDay)
    {
        Places places{};
        for (const BodyId body : kSeenBodies) {
            places[body] = Sky.Place(body, julianDay);
        }
        return places;
    }
    EclipticPlace Place(BodyId body, double julianDay) { return Sky.Place(body, julianDay); }
    // The moments in this chunk where `gap` changes sign. With a latitude
    // limit, a crossing where the two bodies stand farther apart than it in
    // latitude is passed over.
    template <typename Keep>
    void ForEachCrossing(const LongitudeGap& gap, Keep keep, double latitudeLimit = 360);
    double GapAt(const LongitudeGap& gap, double julianDay)
    {
        Places places{};
        places[gap.a] = Place(gap.a, julianDay);
        if (gap.b != NoBody) {
            places[gap.b] = Place(gap.b, julianDay);
        }
        return gap.Of(places);
    }
    void Add(double julianDay, SkyEventType type, BodyId body = NoBody, BodyId other = NoBody, double degrees = 0)
    {
        Events.push_back({julianDay, type, body, other, degrees});
    }
    void Eclipse(double syzygy, bool solar);

    double Origin;
    std::ptrdiff_t FirstStep;
    std::ptrdiff_t EndStep;
    ApparentSky Sky;
    std::vector<Places> Grid;
    std::vector<SkyEvent>& Events;
};

template <typename Keep>
void ChunkSearch::ForEachCrossing(const LongitudeGap& gap, Keep keep, double latitudeLimit)
{
    // The latitudes change by less than this over a step (the Moon's, by
    // 0.6 degrees at most).
    constexpr double kLatitudeChange = 1;
    auto tooFar = [&](std::ptrdiff_t step) {
        const Places& places = GridAt(step);
        return std::abs(places[gap.a].latitude - places[gap.b].latitude) > latitudeLimit + kLatitudeChange;
    };
    double before = gap.Of(GridAt(FirstStep));
    for (std::ptrdiff_t step = FirstStep; step < EndStep; ++step) {
        const double after = gap.Of(GridAt(step + 1));
        // A jump of half a circle is the angle's wrap, no crossing.
        if ((before < 0) != (after < 0) && std::abs(after - before) < 180 && !(tooFar(step) && tooFar(step + 1))) {
            const double moment = SignChange([&](double day) { return GapAt(gap, day); }, TimeOf(step),
                                             TimeOf(step + 1), kSecondInDays);
            keep(moment);
        }
        before = after;
    }
}

void ChunkSearch::Seasons()
{
    constexpr std::array<SkyEventType, 4> kSeasons{SkyEventType::MarchEquinox, SkyEventType::JuneSolstice,
                                                   SkyEventType::SeptemberEquinox, SkyEventType::DecemberSolstice};
    for (std::size_t quarter = 0; quarter < kSeasons.size(); ++quarter) {
        ForEachCrossing({Sun, NoBody, 90.0 * static_cast<double>(quarter)},
                        [&](double moment) { Add(moment, kSeasons[quarter]); });
    }
}

void ChunkSearch::MoonPhases(bool phases, bool eclipses)
{
    constexpr std::array<SkyEventType, 4> kPhases{SkyEventType::NewMoon, SkyEventType::FirstQuarter,
                                                  SkyEventType::FullMoon, SkyEventType::LastQuarter};
    for (std::size_t quarter = 0; quarter < kPhases.size(); ++quarter) {
        const bool syzygy = quarter % 2 == 0;
        if (!phases && !(eclipses && syzygy)) {
            continue;
        }
        ForEachCrossing({Moon, Sun, 90.0 * static_cast<double>(quarter)}, [&](double moment) {
            if (phases) {
                Add(moment, kPhases[quarter]);
            }
            if (eclipses && syzygy) {
                Eclipse(moment, quarter == 0);
            }
        });
    }
}

// Near a syzygy where the Moon stands close enough to the ecliptic, the
// greatest eclipse is where the shadow's axis passes nearest the Earth's
// centre (the Sun's eclipse) or the Moon nearest the shadow's (the Moon's).
void ChunkSearch::Eclipse(double syzygy, bool solar)
{
    if (std::abs(Place(Moon, syzygy).latitude) > kEclipseLatitudeLimit) {
        return;
    }
    auto closeness = [&](double day) {
        const EclipticPlace sun = Place(Sun, day);
        const EclipticPlace moon = Place(Moon, day);
        return solar ? -ShadowAxisGap(sun, moon) : -MoonFromEarthShadow(sun, moon);
    };
    const double greatest =
        Greatest(closeness, syzygy - kEclipseWindowDays, syzygy + kEclipseWindowDays, 5 * kSecondInDays);
    const EclipticPlace sun = Place(Sun, greatest);
    const EclipticPlace moon = Place(Moon, greatest);
    if (const auto kind = solar ? SolarEclipseKind(sun, moon) : LunarEclipseKind(sun, moon)) {
        Add(greatest, *kind);
    }
}

void ChunkSearch::SunAlignments()
{
    for (const BodyId planet : kSeenPlanets) {
        ForEachCrossing({planet, Sun, 0}, [&](double moment) {
            if (!IsInner(planet)) {
                Add(moment, SkyEventType::Conjunction, planet);
            } else {
                const bool nearer = Place(planet, moment).distance < Place(Sun, moment).distance;
                Add(moment, nearer ? SkyEventType::InferiorConjunction : SkyEventType::SuperiorConjunction, planet);
            }
        });
        if (!IsInner(planet)) {
            ForEachCrossing({planet, Sun, 180},
                            [&](double moment) { Add(moment, SkyEventType::Opposition, planet); });
        }
    }
}

// The greatest elongations are the maxima of the angle between the planet
// and the Sun, found where it stops growing on the grid.
void ChunkSearch::Elongations()
{
    for (const BodyId planet : {Mercury, Venus}) {
        auto elongation = [&](const Places& places) { return AngularSeparation(places[planet], places[Sun]); };
        for (std::ptrdiff_t step = FirstStep; step < EndStep; ++step) {
            const double here = elongation(GridAt(step));
            if (elongation(GridAt(step - 1)) < here && here >= elongation(GridAt(step + 1))) {
                const double moment = Greatest(
                    [&](double day) { return AngularSeparation(Place(planet, day), Place(Sun, day)); },
                    TimeOf(step - 1), TimeOf(step + 1), kMinuteInDays);
                const EclipticPlace seen = Place(planet, moment);
                const EclipticPlace sun = Place(Sun, moment);
                const bool east = Wrapped180(seen.longitude - sun.longitude) > 0;
                Add(moment, east ? SkyEventType::GreatestElongationEast : SkyEventType::GreatestElongationWest,
                    planet, NoBody, AngularSeparation(seen, sun));
            }
        }
    }
}

void ChunkSearch::PlanetConjunctions()
{
    for (std::size_t first = 0; first < kSeenPlanets.size(); ++first) {
        for (std::size_t second = first + 1; second < kSeenPlanets.size(); ++second) {
            const BodyId a = kSeenPlanets[first];
            const BodyId b = kSeenPlanets[second];
            ForEachCrossing({a, b, 0}, [&](double moment) {
                const double separation = AngularSeparation(Place(a, moment), Place(b, moment));
                if (separation < kPlanetConjunctionLimit) {
                    Add(moment, SkyEventType::PlanetConjunction, a, b, separation);
                }
            }, kPlanetConjunctionLimit);
        }
    }
}

void ChunkSearch::MoonConjunctions()
{
    for (const BodyId planet : kSeenPlanets) {
        ForEachCrossing({Moon, planet, 0}, [&](double moment) {
            const double separation = AngularSeparation(Place(Moon, moment), Place(planet, moment));
            if (separation < kMoonConjunctionLimit) {
                Add(moment, SkyEventType::MoonConjunction, planet, NoBody, separation);
            }
        }, kMoonConjunctionLimit);
    }
}

bool Wanted(const SkyEventGroups& groups, SkyEventGroup group)
{
    return groups[static_cast<std::size_t>(group)];
}

} // namespace

std::optional<std::vector<SkyEvent>> FindSkyEvents(double fromJulianDay, double toJulianDay,
                                                   const SkyEventGroups& groups, const SkyEventProgress& progress)
{
    std::vector<SkyEvent> events;
    const auto steps = static_cast<std::ptrdiff_t>(std::ceil((toJulianDay - fromJulianDay) / kGridDays));
    const auto chunkSteps = static_cast<std::ptrdiff_t>(kChunkDays / kGridDays);
    for (std::ptrdiff_t first = 0; first < steps; first += chunkSteps) {
        if (progress && !progress(static_cast<double>(first) / static_cast<double>(steps))) {
            return std::nullopt;
        }
        ChunkSearch chunk(fromJulianDay, first, std::min(first + chunkSteps, steps), events);
        using enum SkyEventGroup;
        if (Wanted(groups, Seasons)) {
            chunk.Seasons();
        }
        if (Wanted(groups, MoonPhases) || Wanted(groups, Eclipses)) {
            chunk.MoonPhases(Wanted(groups, MoonPhases), Wanted(groups, Eclipses));
        }
        if (Wanted(groups, SunAlignments)) {
            chunk.SunAlignments();
        }
        if (Wanted(groups, Elongations)) {
            chunk.Elongations();
        }
        if (Wanted(groups, PlanetConjunctions)) {
            chunk.PlanetConjunctions();
        }
        if (Wanted(groups, MoonConjunctions)) {
            chunk.MoonConjunctions();
        }
    }
    std::erase_if(events, [&](const SkyEvent& event) {
        return event.julianDay < fromJulianDay || event.julianDay > toJulianDay;
    });
    std::stable_sort(events.begin(), events.end(),
                     [](const SkyEvent& a, const SkyEvent& b) { return a.julianDay < b.julianDay; });
    if (progress) {
        progress(1);
    }
    return events;
}
