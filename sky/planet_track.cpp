#include "planet_track.h"

#include "sky_bodies.h"

#include <cmath>

namespace {

// Days between samples, in body-id order: the longest step whose linear
// interpolation stays within 0.005 degrees of the theory over 1885-2099.
constexpr std::array<double, 9> kStepDays{0.375, 4, 4, 4, 32, 32, 64, 64, 64};
// The Moon moves 13 degrees a day: an eighth of a day keeps it within a
// thousandth of a degree.
constexpr double kMoonStepDays = 0.125;

EclipticPlace PlaceFromTheory(BodyId planet, double julianEphemerisDay)
{
    return HeliocentricPlace(planet, julianEphemerisDay);
}

EclipticPlace MoonFromTheory(BodyId /*moon*/, double julianEphemerisDay)
{
    return LunarPlace(julianEphemerisDay);
}

} // namespace

EclipticPlace PlanetTrack::Interpolated(Step& samples, double step, EclipticPlace (*theory)(BodyId, double),
                                        BodyId body, double julianDay)
{
    const double start = std::floor(julianDay / step) * step;
    if (start != samples.start) {
        const EclipticPlace first = theory(body, JulianEphemerisDay(start));
        const EclipticPlace last = theory(body, JulianEphemerisDay(start + step));
        if (!first.IsFinite() || !last.IsFinite()) {
            return samples.lastGood;
        }
        samples.start = start;
        samples.place = first;
        samples.change = {std::remainder(last.longitude - first.longitude, 360.0), last.latitude - first.latitude,
                          last.distance - first.distance};
    }
    const double share = (julianDay - start) / step;
    samples.lastGood = {samples.place.longitude + samples.change.longitude * share,
                        samples.place.latitude + samples.change.latitude * share,
                        samples.place.distance + samples.change.distance * share};
    return samples.lastGood;
}

std::array<PlanetLongitude, 9> PlanetTrack::At(double julianDay)
{
    std::array<PlanetLongitude, 9> longitudes{};
    for (std::size_t i = 0; i < kPlanetIds.size(); ++i) {
        longitudes[i] = {
            kPlanetIds[i],
            Interpolated(PlanetSamples[i], kStepDays[i], PlaceFromTheory, kPlanetIds[i], julianDay).longitude};
    }
    return longitudes;
}

std::array<EclipticPlace, 9> PlanetTrack::Places(double julianDay)
{
    std::array<EclipticPlace, 9> places{};
    for (std::size_t i = 0; i + 1 < kPlanetIds.size(); ++i) {
        places[i] = Interpolated(PlanetSamples[i], kStepDays[i], PlaceFromTheory, kPlanetIds[i], julianDay);
    }
    places.back() = PlutoOnItsEllipse(JulianEphemerisDay(julianDay));
    return places;
}

EclipticPlace PlanetTrack::MoonPlace(double julianDay)
{
    return Interpolated(MoonSamples, kMoonStepDays, MoonFromTheory, Moon, julianDay);
}
