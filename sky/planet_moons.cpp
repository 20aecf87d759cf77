#include "planet_moons.h"

#include "body_rotation.h"
#include "ecliptic_precession.h"
#include "jupiter_moons.h"
#include "moon_elements.h"
#include "saturn_moons.h"

#include <algorithm>
#include <cmath>

namespace {

// Moon-id order. Distances, periods and diameters: JPL's mean elements and
// physical parameters of the planetary satellites.
constexpr std::array<MoonFacts, kMoonCount> kFacts{{
    {Jupiter, 421800, 1.769138, 3643.2},
    {Jupiter, 671100, 3.551181, 3121.6},
    {Jupiter, 1070400, 7.154553, 5268.2},
    {Jupiter, 1882700, 16.689018, 4820.6},
    {Saturn, 185540, 0.942422, 396.4},
    {Saturn, 238040, 1.370218, 504.2},
    {Saturn, 294670, 1.887802, 1062.2},
    {Saturn, 377420, 2.736915, 1122.8},
    {Saturn, 527070, 4.517500, 1527.6},
    {Saturn, 1221870, 15.945421, 5149.5},
    {Saturn, 1500880, 21.276609, 270},
    {Saturn, 3560840, 79.330183, 1468.6},
    {Mars, 9376, 0.31891, 22.5},
    {Mars, 23458, 1.26244, 12.4},
    {Neptune, 354759, 5.876854, 2706.8},
    {Pluto, 19591, 6.387230, 1212},
}};

std::size_t IndexOf(MoonId moon)
{
    return static_cast<std::size_t>(moon - kFirstMoon);
}

std::optional<Vector3> Finite(const Vector3& v)
{
    if (!std::ranges::all_of(v, [](double x) { return std::isfinite(x); })) {
        return std::nullopt;
    }
    return v;
}

// Each series' frame turned to the ecliptic of J2000: Jupiter's is the
// ecliptic of the day, Saturn's that of B1950.
void PutJupiterMoons(AllMoonOffsets& offsets, double jde)
{
    const EclipticTurn turn = EclipticOfDate(jde);
    const MoonPlaces<4> places = GalileanMoons(jde);
    for (std::size_t i = 0; i < places.moons.size(); ++i) {
        offsets[IndexOf(Io) + i] = Finite(TurnedBack(turn, places.moons[i]));
    }
}

void PutSaturnMoons(AllMoonOffsets& offsets, double jde)
{
    const EclipticTurn turn = EclipticOfDate(kB1950);
    const MoonPlaces<8> places = SaturnMoons(jde);
    for (std::size_t i = 0; i < places.moons.size(); ++i) {
        offsets[IndexOf(Mimas) + i] = Finite(TurnedBack(turn, places.moons[i]));
    }
}

std::optional<Vector3> OnMeanOrbit(MoonId moon, double jde)
{
    const MoonFacts& facts = FactsOf(moon);
    return Finite(MoonOnMeanOrbit(moon, facts.meanDistanceKm, jde) / PlanetRadiusKm(facts.planet));
}

} // namespace

double PlanetRadiusKm(BodyId planet)
{
    switch (planet) {
    case Mars:
        return 3396.19;
    case Jupiter:
        return 71492;
    case Saturn:
        return 60268;
    case Neptune:
        return 24764;
    default:
        return 1188.3;
    }
}

const MoonFacts& FactsOf(MoonId moon)
{
    return kFacts[IndexOf(moon)];
}

std::optional<Vector3> MoonOffset(MoonId moon, double julianEphemerisDay)
{
    if (!std::isfinite(julianEphemerisDay)) {
        return std::nullopt;
    }
    AllMoonOffsets offsets;
    switch (FactsOf(moon).planet) {
    case Jupiter:
        PutJupiterMoons(offsets, julianEphemerisDay);
        return offsets[IndexOf(moon)];
    case Saturn:
        PutSaturnMoons(offsets, julianEphemerisDay);
        return offsets[IndexOf(moon)];
    default:
        return OnMeanOrbit(moon, julianEphemerisDay);
    }
}

AllMoonOffsets MoonOffsets(double julianEphemerisDay)
{
    AllMoonOffsets offsets;
    if (!std::isfinite(julianEphemerisDay)) {
        return offsets;
    }
    PutJupiterMoons(offsets, julianEphemerisDay);
    PutSaturnMoons(offsets, julianEphemerisDay);
    for (const MoonId moon : {Phobos, Deimos, Triton, Charon}) {
        offsets[IndexOf(moon)] = OnMeanOrbit(moon, julianEphemerisDay);
    }
    return offsets;
}

Vector3 MoonSystemPole(BodyId planet, double julianEphemerisDay)
{
    if (planet == Jupiter) {
        return TurnedBack(EclipticOfDate(julianEphemerisDay), GalileanMoons(julianEphemerisDay).pole);
    }
    if (planet == Saturn) {
        return TurnedBack(EclipticOfDate(kB1950), SaturnMoons(julianEphemerisDay).pole);
    }
    return AxesAt(planet, julianEphemerisDay).pole;
}
