#include "eclipse_geometry.h"

#include "apparent_places.h"
#include "eclipse_figures.h"
#include "sky_units.h"
#include "sky_vector.h"

#include <cmath>

namespace {

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
    const double penumbraSlope = (kSunRadiusKm + kMoonRadiusKm) / sunToMoon;
    const double umbraSlope = (kSunRadiusKm - kMoonRadiusKm) / sunToMoon;
    return {Length(foot), kMoonRadiusKm + along * penumbraSlope, kMoonRadiusKm - along * umbraSlope,
            umbraSlope};
}

} // namespace

double ShadowAxisGap(const EclipticPlace& sun, const EclipticPlace& moon)
{
    return ShadowOnTheEarth(sun, moon).gap / kEarthRadiusKm;
}

std::optional<SkyEventType> SolarEclipseKind(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const FundamentalPlane shadow = ShadowOnTheEarth(sun, moon);
    if (shadow.gap >= kEarthRadiusKm + shadow.penumbra) {
        return std::nullopt;
    }
    const double centralGap = kCentralGap * kEarthRadiusKm;
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

namespace {

// The Earth's shadow at the Moon's distance, as seen from the Earth's centre:
// the angular radii of the umbra, the penumbra and the Moon, and how far the
// Moon's centre stands from the shadow's axis; degrees.
struct ShadowAtTheMoon {
    double umbra;
    double penumbra;
    double moonRadius;
    double gap;
};

ShadowAtTheMoon EarthShadow(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const double sunDistance = sun.distance * kKilometresPerAu;
    const double moonDistance = moon.distance * kKilometresPerAu;
    // Parallaxes and radii. The Earth's radius is its mean one towards the
    // Moon, enlarged for its atmosphere.
    const double moonParallax =
        std::asin(0.998340 * kEarthRadiusKm / moonDistance) / kRadiansPerDegree * kEarthShadowEnlargement;
    const double sunParallax = std::asin(kEarthRadiusKm / sunDistance) / kRadiansPerDegree;
    const double sunRadius = std::asin(kSunRadiusKm / sunDistance) / kRadiansPerDegree;
    return {moonParallax + sunParallax - sunRadius, moonParallax + sunParallax + sunRadius,
            std::asin(kMoonRadiusKm / moonDistance) / kRadiansPerDegree, MoonFromEarthShadow(sun, moon)};
}

} // namespace

std::optional<SkyEventType> LunarEclipseKind(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const ShadowAtTheMoon shadow = EarthShadow(sun, moon);
    if (shadow.gap + shadow.moonRadius < shadow.umbra) {
        return SkyEventType::TotalLunarEclipse;
    }
    if (shadow.gap - shadow.moonRadius < shadow.umbra) {
        return SkyEventType::PartialLunarEclipse;
    }
    if (shadow.gap - shadow.moonRadius < shadow.penumbra) {
        return SkyEventType::PenumbralLunarEclipse;
    }
    return std::nullopt;
}

double UmbralMagnitude(const EclipticPlace& sun, const EclipticPlace& moon)
{
    const ShadowAtTheMoon shadow = EarthShadow(sun, moon);
    return (shadow.umbra + shadow.moonRadius - shadow.gap) / (2 * shadow.moonRadius);
}

Vector3 ShadowAxisFoot(const Vector3& sun, const Vector3& moon)
{
    const Vector3 u = (moon - sun) / Length(moon - sun);
    const Vector3 nearest = moon - u * Dot(moon, u); // the axis's point nearest the Earth's centre
    const double gap = Length(nearest);
    if (gap >= 1) {
        return nearest / gap;
    }
    // Where the axis first meets the ground, coming from the Moon.
    return nearest - u * std::sqrt(1 - gap * gap);
}
