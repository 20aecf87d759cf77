#include "body_poles.h"

#include "libnova_turn.h"

#include <libnova/ln_types.h>
#include <libnova/transform.h>

#include <array>

namespace {

struct PoleOnTheSky {
    double rightAscension; // degrees, J2000
    double declination;
};

// The IAU working group's report of 2009 (Archinal et al. 2011), the poles'
// constant terms, in body-id order. The Moon's is its mean pole.
constexpr std::array<PoleOnTheSky, Pluto + 1> kPoles{{
    {270.0, 66.560709}, // the ecliptic's own north, for no body
    {286.13, 63.87},
    {281.0097, 61.4143},
    {272.76, 67.16},
    {0.0, 90.0},
    {269.9949, 66.5392},
    {317.68143, 52.88650},
    {268.056595, 64.495303},
    {40.589, 83.537},
    {257.311, -15.175},
    {299.36, 43.46},
    {132.993, -6.163},
}};

constexpr double kJ2000 = 2451545.0;

} // namespace

EclipticPlace NorthPole(BodyId body)
{
    const PoleOnTheSky& pole = kPoles[body];
    ln_equ_posn equatorial{pole.rightAscension, pole.declination};
    ln_lnlat_posn ecliptic{};
    // The conversion reads the obliquity through libnova's nutation, and so its cache.
    const LibnovaTurn turn;
    ln_get_ecl_from_equ(&equatorial, kJ2000, &ecliptic);
    return {ecliptic.lng, ecliptic.lat, 1};
}
