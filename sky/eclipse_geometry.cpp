#include "eclipse_geometry.h"

#include "apparent_places.h"
#include "sky_units.h"
#include "sky_vector.h"

#include <cmath>

namespace {

constexpr double kEarthRadius = 6378.137;
constexpr double kSunRadius = 696000;
constexpr double kMoonRadius = 1737.4;
// The axis must pass within this share of the equatorial radius to meet the
// flattened Earth: inside it an eclipse is central.
constexpr double kCentralGap = 0.9972;

// A place as a vector in kilometres.
Vector3 InKilometres(const EclipticPlace& place)
{
    return Rectangular({place.longitude, place.latitude, place.distance * kKilometresPerAu});
}

// The Moon's shadow on the plane through the Earth's centre square to its
// axis: how far the axis passes from the centre, and the radii of the
// penumbra and the umbra there (the umbra's negative beyond its apex, where
// the Moon leaves a ring of Sun). Kilometres.
struct FundamentalPlane {
    double gap;
    double penumbra;
    double umbra;
    double umbraSlope; // the umbra's growth per kilometre towards the Moon
};

FundamentalPlane ShadowOnTheEarth(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const Vector3 s = InKilometres(sun);
    const Vector3 m = InKilometres(moon);
    const Vector3 axis = m - s;
    const double sunToMoon = Length(axis);
    const Vector3 u = axis / sunToMoon;
    const double along = -Dot(m, u); // from the Moon to the plane
    const Vector3 foot = m + u * along;
    const double penumbraSlope = (kSunRadius + kMoonRadius) / sunToMoon;
    const double umbraSlope = (kSunRadius - kMoonRadius) / sunToMoon;
    return {Length(foot), kMoonRadius + along * penumbraSlope, kMoonRadius - along * umbraSlope,
            umbraSlope};
}

} // namespace

double ShadowAxisGap(const EclipticPlace& sun, const EclipticPlace& moon)
{
    return ShadowOnTheEarth(sun, moon).gap / kEarthRadius;
}

std::optional<SkyEventType> SolarEclipseKind(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const FundamentalPlane shadow = ShadowOnTheEarth(sun, moon);
    if (shadow.gap >= kEarthRadius + shadow.penumbra) {
        return std::nullopt;
    }
    const double centralGap = kCentralGap * kEarthRadius;
    if (shadow.gap < centralGap) {
        if (shadow.umbra > 0) {
            return SkyEventType::TotalSolarEclipse;
        }
        // Where the axis meets the ground, nearer the Moon than the plane.
        const double depth = std::sqrt(centralGap * centralGap - shadow.gap * shadow.gap);
        return shadow.umbra + depth * shadow.umbraSlope > 0 ? SkyEventType::HybridSolarEclipse
                                                                : SkyEventType::AnnularSolarEclipse;
    }
    // The umbra or the ring's shadow grazes the Earth with its axis off it.
    if (shadow.gap < centralGap + std::abs(shadow.umbra)) {
        return shadow.umbra > 0 ? SkyEventType::TotalSolarEclipse : SkyEventType::AnnularSolarEclipse;
    }
    return SkyEventType::PartialSolarEclipse;
}

double MoonFromEarthShadow(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const EclipticPlace antiSun{sun.longitude + 180, -sun.latitude, sun.distance};
    return AngularSeparation(antiSun, moon);
}

std::optional<SkyEventType> LunarEclipseKind(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const double sunDistance = sun.distance * kKilometresPerAu;
    const double moonDistance = moon.distance * kKilometresPerAu;
    // Angular radii and parallaxes, in degrees. The Earth's radius is its
    // mean one towards the Moon, enlarged by a 85th for its atmosphere.
    const double moonParallax = std::asin(0.998340 * kEarthRadius / moonDistance) / kRadiansPerDegree * (1 + 1.0 / 85);
    const double sunParallax = std::asin(kEarthRadius / sunDistance) / kRadiansPerDegree;
    const double sunRadius = std::asin(kSunRadius / sunDistance) / kRadiansPerDegree;
    const double moonRadius = std::asin(kMoonRadius / moonDistance) / kRadiansPerDegree;
    const double umbra = moonParallax + sunParallax - sunRadius;
    const double penumbra = moonParallax + sunParallax + sunRadius;
    const double gap = MoonFromEarthShadow(sun, moon);
    if (gap + moonRadius < umbra) {
        return SkyEventType::TotalLunarEclipse;
    }
    if (gap - moonRadius < umbra) {
        return SkyEventType::PartialLunarEclipse;
    }
    if (gap - moonRadius < penumbra) {
        return SkyEventType::PenumbralLunarEclipse;
    }
    return std::nullopt;
}
