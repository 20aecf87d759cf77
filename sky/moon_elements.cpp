#include "moon_elements.h"

#include "body_rotation.h"
#include "equatorial_to_ecliptic.h"
#include "moon_places.h"

#include <array>

namespace {

// Mean elements of JPL's Solar System Dynamics group ("Planetary Satellite
// Mean Elements"), referred to each moon's local Laplace plane: the node is
// counted on that plane from its ascending node on the equator of J2000
// (ICRF), the pole is the plane's. The node and the periapsis turn at a
// steady rate (signed, degrees a day, from the tabled periods).
struct MeanOrbit {
    MoonId moon;
    double epoch; // Julian ephemeris day
    double e;
    double periapsis; // argument, degrees
    double meanAnomaly;
    double inclination;
    double node;
    double meanMotion; // degrees a day
    double periapsisRate;
    double nodeRate;
    double poleRightAscension;
    double poleDeclination;
};

constexpr double kDaysPerTabledYear = 365.25;
constexpr double kMars1950 = 2433282.5; // 1950 Jan 1.00 TT

// Mars: solution MAR080, epoch 1950 January 1.0. Neptune: solution NEP081,
// epoch 1989 August 25.0; Triton's orbit is retrograde to the Laplace
// plane, and its node advances.
constexpr std::array<MeanOrbit, 3> kMeanOrbits{{
    {Phobos, kMars1950, 0.0151, 150.057, 91.059, 1.075, 207.784, 1128.8447569, 360 / (1.1316 * kDaysPerTabledYear),
     -360 / (2.2617 * kDaysPerTabledYear), 317.671, 52.893},
    {Deimos, kMars1950, 0.0002, 260.729, 325.329, 1.788, 24.525, 285.1618790, 360 / (27.3703 * kDaysPerTabledYear),
     -360 / (54.5367 * kDaysPerTabledYear), 316.657, 53.529},
    {Triton, 2447763.5, 0.0000, 66.142, 352.257, 156.865, 177.608, 61.2572637, 0, 360 / (688.1 * kDaysPerTabledYear),
     299.456, 43.414},
}};

const MeanOrbit& OrbitOf(MoonId moon)
{
    for (const MeanOrbit& orbit : kMeanOrbits) {
        if (orbit.moon == moon) {
            return orbit;
        }
    }
    return kMeanOrbits.back();
}

// Kepler's equation by Newton's steps; the eccentricities here are small.
double EccentricAnomaly(double meanAnomalyDegrees, double e)
{
    const double m = std::remainder(meanAnomalyDegrees, 360.0) * kRadiansPerDegree;
    double anomaly = m;
    for (int step = 0; step < 4; ++step) {
        anomaly -= (anomaly - e * std::sin(anomaly) - m) / (1 - e * std::cos(anomaly));
    }
    return anomaly;
}

// From a Laplace plane (x to its node on the equator) to the ecliptic.
Vector3 FromLaplacePlane(const MeanOrbit& orbit, const Vector3& v)
{
    return EclipticFromEquatorial(AboutZ(AboutX(v, 90 - orbit.poleDeclination), orbit.poleRightAscension + 90));
}

} // namespace

Vector3 MoonOnMeanOrbit(MoonId moon, double meanDistanceKm, double julianEphemerisDay)
{
    if (moon == Charon) {
        // Charon keeps over Pluto's prime meridian, which the IAU defines as
        // the mean sub-Charon meridian; its orbit is Pluto's equator (JPL:
        // e 0.0002, inclination below 0.001 degrees).
        return AxesAt(Pluto, julianEphemerisDay).primeMeridian * meanDistanceKm;
    }
    const MeanOrbit& orbit = OrbitOf(moon);
    const double days = julianEphemerisDay - orbit.epoch;
    const double anomaly = EccentricAnomaly(orbit.meanAnomaly + orbit.meanMotion * days, orbit.e);
    const double root = std::sqrt(1 - orbit.e * orbit.e);
    const double trueAnomaly = std::atan2(root * std::sin(anomaly), std::cos(anomaly) - orbit.e) / kRadiansPerDegree;
    const double radius = meanDistanceKm * (1 - orbit.e * std::cos(anomaly));
    const double argument = orbit.periapsis + orbit.periapsisRate * days + trueAnomaly;
    return FromLaplacePlane(orbit, OnOrbit(radius, argument, orbit.inclination, orbit.node + orbit.nodeRate * days));
}

