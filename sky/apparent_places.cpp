#include "apparent_places.h"

#include "ecliptic_precession.h"
#include "libnova_turn.h"
#include "sky_units.h"

#include <libnova/nutation.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMarginDays = 2; // light-time from Pluto, and the velocity's span

// The grid steps, in days, that keep each interpolated place within half an
// arcsecond of its theory as seen from the Earth, at its nearest (body-id
// order; 0: no theory of its own).
constexpr std::array<double, Pluto + 1> kStepDays{0, 0, 2, 8, 4, 1, 16, 32, 64, 128, 128, 128};
// The interpolation's points: three on each side of the moment.
constexpr std::ptrdiff_t kPointsEachSide = 3;

} // namespace

ApparentSky::Samples::Samples(BodyId body, double stepDays, double firstJde, double lastJde)
    : Body(body), Step(stepDays)
{
    if (Step <= 0) {
        FirstIndex = 0;
        return;
    }
    FirstIndex = static_cast<std::ptrdiff_t>(std::floor((firstJde - kMarginDays) / Step)) - kPointsEachSide;
    const auto lastIndex = static_cast<std::ptrdiff_t>(std::ceil((lastJde + kMarginDays) / Step)) + kPointsEachSide;
    Values.resize(static_cast<std::size_t>(lastIndex - FirstIndex + 1));
    Known.resize(Values.size());
}

Vector3 ApparentSky::Samples::Sample(std::ptrdiff_t index)
{
    const auto slot = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(index - FirstIndex, 0, std::ssize(Values) - 1));
    if (!Known[slot]) {
        const double jde = static_cast<double>(FirstIndex + static_cast<std::ptrdiff_t>(slot)) * Step;
        const EclipticPlace place = Body == Moon ? LunarPlace(jde) : HeliocentricPlace(Body, jde);
        Values[slot] = Rectangular(place);
        Known[slot] = true;
    }
    return Values[slot];
}

// Lagrange's interpolation through the six samples about `jde`.
Vector3 ApparentSky::Samples::At(double jde)
{
    if (Step <= 0) {
        return {};
    }
    const double position = jde / Step;
    const double whole = std::floor(position);
    const double u = position - whole;
    const auto index = static_cast<std::ptrdiff_t>(whole);
    Vector3 sum{};
    for (std::ptrdiff_t j = 1 - kPointsEachSide; j <= kPointsEachSide; ++j) {
        double weight = 1;
        for (std::ptrdiff_t k = 1 - kPointsEachSide; k <= kPointsEachSide; ++k) {
            if (k != j) {
                weight *= (u - static_cast<double>(k)) / static_cast<double>(j - k);
            }
        }
        sum = sum + Sample(index + j) * weight;
    }
    return sum;
}

Vector3 ApparentSky::Samples::Velocity(double jde)
{
    constexpr double kHalfSpan = 0.05;
    return (At(jde + kHalfSpan) - At(jde - kHalfSpan)) / (2 * kHalfSpan);
}

ApparentSky::ApparentSky(double firstJulianDay, double lastJulianDay)
{
    const double firstJde = JulianEphemerisDay(firstJulianDay);
    const double lastJde = JulianEphemerisDay(lastJulianDay);
    Theories.reserve(kStepDays.size());
    for (std::size_t body = 0; body < kStepDays.size(); ++body) {
        Theories.emplace_back(static_cast<BodyId>(body), kStepDays[body], firstJde, lastJde);
    }
}

ApparentSky::Samples& ApparentSky::SamplesOf(BodyId body)
{
    return Theories[body];
}

const ApparentSky::DateFrame& ApparentSky::FrameAt(double jde)
{
    if (jde != Frame.jde) {
        Frame.jde = jde;
        Frame.turn = EclipticOfDate(jde);
        ln_nutation nutation{};
        const auto libnova = LibnovaTurn();
        ln_get_nutation(jde, &nutation);
        Frame.nutation = nutation.longitude;
    }
    return Frame;
}

EclipticPlace ApparentSky::Place(BodyId body, double julianDay)
{
    const double jde = JulianEphemerisDay(julianDay);
    const Vector3 earth = SamplesOf(Earth).At(jde);
    Vector3 seen;
    if (body == Moon) {
        seen = SamplesOf(Moon).At(jde);
    } else {
        // Where the body stood when the light now arriving left it.
        double lightTime = 0;
        for (int pass = 0; pass < 3; ++pass) {
            seen = SamplesOf(body).At(jde - lightTime) - earth;
            lightTime = kLightDaysPerAu * Length(seen);
        }
    }
    const double distance = Length(seen);
    Vector3 direction = seen / distance;
    if (body != Moon) {
        // The aberration: the direction leans towards the Earth's motion by
        // its velocity over that of light.
        direction = direction + SamplesOf(Earth).Velocity(jde) * kLightDaysPerAu;
    }
    const DateFrame& frame = FrameAt(jde);
    EclipticPlace place = Spherical(Turned(frame.turn, direction));
    place.longitude += frame.nutation;
    place.distance = distance;
    return place;
}

double AngularSeparation(const EclipticPlace& a, const EclipticPlace& b)
{
    const double la = a.longitude * kRadiansPerDegree;
    const double lb = b.longitude * kRadiansPerDegree;
    const double ba = a.latitude * kRadiansPerDegree;
    const double bb = b.latitude * kRadiansPerDegree;
    // The haversine form keeps small separations exact.
    const double h = std::pow(std::sin((ba - bb) / 2), 2) + std::cos(ba) * std::cos(bb) * std::pow(std::sin((la - lb) / 2), 2);
    return 2 * std::asin(std::sqrt(std::min(1.0, h))) / kRadiansPerDegree;
}

double Wrapped180(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped <= -180) {
        wrapped += 360;
    } else if (wrapped > 180) {
        wrapped -= 360;
    }
    return wrapped;
}
