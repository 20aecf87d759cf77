#include "jupiter_moons.h"

#include <cmath>

MoonPlaces<4> GalileanMoons(double julianEphemerisDay)
{
    const double t = julianEphemerisDay - 2443000.5;
    // Mean longitudes, longitudes of the perijoves and of the nodes on
    // Jupiter's equator (equinox of B1950).
    const double l1 = 106.07719 + 203.488955790 * t;
    const double l2 = 175.73161 + 101.374724735 * t;
    const double l3 = 120.55883 + 50.317609207 * t;
    const double l4 = 84.44459 + 21.571071177 * t;
    const double p1 = 97.0881 + 0.16138586 * t;
    const double p2 = 154.8663 + 0.04726307 * t;
    const double p3 = 188.1840 + 0.00712734 * t;
    const double p4 = 335.2868 + 0.00184000 * t;
    const double w1 = 312.3346 - 0.13279386 * t;
    const double w2 = 100.4411 - 0.03263064 * t;
    const double w3 = 119.1942 - 0.00717703 * t;
    const double w4 = 322.6186 - 0.00175934 * t;
    // Jupiter's great inequality, the free libration, the node of Jupiter's
    // equator on the ecliptic, the mean anomalies of Jupiter and Saturn and
    // Jupiter's perihelion.
    const double gamma = 0.33033 * SinDeg(163.679 + 0.0010512 * t) + 0.03439 * SinDeg(34.486 - 0.0161731 * t);
    const double libration = 199.6766 + 0.17379190 * t;
    const double psi = 316.5182 - 0.00000208 * t;
    const double g = 30.23756 + 0.0830925701 * t + gamma;
    const double gs = 31.97853 + 0.0334597339 * t;
    constexpr double pi = 13.469942;

    const double s1 = SineSum({{0.47259, 2 * (l1 - l2)}, {-0.03478, p3 - p4}, {0.01081, l2 - 2 * l3 + p3},
        {0.00738, libration}, {0.00713, l2 - 2 * l3 + p2}, {-0.00674, p1 + p3 - 2 * pi - 2 * g},
        {0.00666, l2 - 2 * l3 + p4}, {0.00445, l1 - p3}, {-0.00354, l1 - l2}, {-0.00317, 2 * psi - 2 * pi},
        {0.00265, l1 - p4}, {-0.00186, g}, {0.00162, p2 - p3}, {0.00158, 4 * (l1 - l2)}, {-0.00155, l1 - l3},
        {-0.00138, psi + w3 - 2 * pi - 2 * g}, {-0.00115, 2 * (l1 - 2 * l2 + w2)}, {0.00089, p2 - p4},
        {0.00085, l1 + p3 - 2 * pi - 2 * g}, {0.00083, w2 - w3}, {0.00053, psi - w2}});
    const double s2 = SineSum({{1.06476, 2 * (l2 - l3)}, {0.04256, l1 - 2 * l2 + p3}, {0.03581, l2 - p3},
        {0.02395, l1 - 2 * l2 + p4}, {0.01984, l2 - p4}, {-0.01778, libration}, {0.01654, l2 - p2},
        {0.01334, l2 - 2 * l3 + p2}, {0.01294, p3 - p4}, {-0.01142, l2 - l3}, {-0.01057, g},
        {-0.00775, 2 * (psi - pi)}, {0.00524, 2 * (l1 - l2)}, {-0.00460, l1 - l3},
        {0.00316, psi - 2 * g + w3 - 2 * pi}, {-0.00203, p1 + p3 - 2 * pi - 2 * g}, {0.00146, psi - w3},
        {-0.00145, 2 * g}, {0.00125, psi - w4}, {-0.00115, l1 - 2 * l3 + p3}, {-0.00094, 2 * (l2 - w2)},
        {0.00086, 2 * (l1 - 2 * l2 + w2)}, {-0.00086, 5 * gs - 2 * g + 52.225}, {-0.00078, l2 - l4},
        {-0.00064, 3 * l3 - 7 * l4 + 4 * p4}, {0.00064, p1 - p4}, {-0.00063, l1 - 2 * l3 + p4},
        {0.00058, w3 - w4}, {0.00056, 2 * (psi - pi - g)}, {0.00056, 2 * (l2 - l4)}, {0.00055, 2 * (l1 - l3)},
        {0.00052, 3 * l3 - 7 * l4 + p3 + 3 * p4}, {-0.00043, l1 - p3}, {0.00041, 5 * (l2 - l3)},
        {0.00041, p4 - pi}, {0.00032, w2 - w3}, {0.00032, 2 * (l3 - g - pi)}});
    const double s3 = SineSum({{0.16490, l3 - p3}, {0.09081, l3 - p4}, {-0.06907, l2 - l3}, {0.03784, p3 - p4},
        {0.01846, 2 * (l3 - l4)}, {-0.01340, g}, {-0.01014, 2 * (psi - pi)}, {0.00704, l2 - 2 * l3 + p3},
        {-0.00620, l2 - 2 * l3 + p2}, {-0.00541, l3 - l4}, {0.00381, l2 - 2 * l3 + p4}, {0.00235, psi - w3},
        {0.00198, psi - w4}, {0.00176, libration}, {0.00130, 3 * (l3 - l4)}, {0.00125, l1 - l3},
        {-0.00119, 5 * gs - 2 * g + 52.225}, {0.00109, l1 - l2}, {-0.00100, 3 * l3 - 7 * l4 + 4 * p4},
        {0.00091, w3 - w4}, {0.00080, 3 * l3 - 7 * l4 + p3 + 3 * p4}, {-0.00075, 2 * l2 - 3 * l3 + p3},
        {0.00072, p1 + p3 - 2 * pi - 2 * g}, {0.00069, p4 - pi}, {-0.00058, 2 * l3 - 3 * l4 + p4},
        {-0.00057, l3 - 2 * l4 + p4}, {0.00056, l3 + p3 - 2 * pi - 2 * g}, {-0.00052, l2 - 2 * l3 + p1},
        {-0.00050, p2 - p3}, {0.00048, l3 - 2 * l4 + p3}, {-0.00045, 2 * l2 - 3 * l3 + p4}, {-0.00041, p2 - p4},
        {-0.00038, 2 * g}, {-0.00037, p3 - p4 + w3 - w4}, {-0.00032, 3 * l3 - 7 * l4 + 2 * p3 + 2 * p4},
        {0.00030, 4 * (l3 - l4)}, {0.00029, l3 + p4 - 2 * pi - 2 * g}, {-0.00028, w3 + psi - 2 * pi - 2 * g},
        {0.00026, l3 - pi - g}, {0.00024, l2 - 3 * l3 + 2 * l4}, {0.00021, 2 * (l3 - pi - g)}, {-0.00021, l3 - p2},
        {0.00017, 2 * (l3 - p3)}});
    const double s4 = SineSum({{0.84287, l4 - p4}, {0.03431, p4 - p3}, {-0.03305, 2 * (psi - pi)}, {-0.03211, g},
        {-0.01862, l4 - p3}, {0.01186, psi - w4}, {0.00623, l4 + p4 - 2 * g - 2 * pi}, {0.00387, 2 * (l4 - p4)},
        {-0.00284, 5 * gs - 2 * g + 52.225}, {-0.00234, 2 * (psi - p4)}, {-0.00223, l3 - l4}, {-0.00208, l4 - pi},
        {0.00178, psi + w4 - 2 * p4}, {0.00134, p4 - pi}, {0.00125, 2 * (l4 - g - pi)}, {-0.00117, 2 * g},
        {-0.00112, 2 * (l3 - l4)}, {0.00107, 3 * l3 - 7 * l4 + 4 * p4}, {0.00102, l4 - g - pi},
        {0.00096, 2 * l4 - psi - w4}, {0.00087, 2 * (psi - w4)}, {-0.00085, 3 * l3 - 7 * l4 + p3 + 3 * p4},
        {0.00085, l3 - 2 * l4 + p4}, {-0.00081, 2 * (l4 - psi)}, {0.00071, l4 + p4 - 2 * pi - 3 * g},
        {0.00061, l1 - l4}, {-0.00056, psi - w3}, {-0.00054, l3 - 2 * l4 + p3}, {0.00051, l2 - l4},
        {0.00042, 2 * (psi - g - pi)}, {0.00039, 2 * (p4 - w4)}, {0.00036, psi + pi - p4 - w4},
        {0.00035, 2 * gs - g + 188.37}, {-0.00035, l4 - p4 + 2 * pi - 2 * psi}, {-0.00032, l4 + p4 - 2 * pi - g},
        {0.00030, 2 * gs - 2 * g + 149.15}, {0.00029, 3 * l3 - 7 * l4 + 2 * p3 + 2 * p4},
        {0.00028, l4 - p4 + 2 * psi - 2 * pi}, {-0.00028, 2 * (l4 - w4)}, {-0.00027, p3 - p4 + w3 - w4},
        {-0.00026, 5 * gs - 3 * g + 188.37}, {0.00025, w4 - w3}, {-0.00025, l2 - 3 * l3 + 2 * l4},
        {-0.00023, 3 * (l3 - l4)}, {0.00021, 2 * l4 - 2 * pi - 3 * g}, {-0.00021, 2 * l3 - 3 * l4 + p4},
        {0.00019, l4 - p4 - g}, {-0.00019, 2 * l4 - p3 - p4}, {-0.00018, l4 - p4 + g},
        {-0.00016, l4 + p3 - 2 * pi - 2 * g}});

    // True longitudes, latitudes on Jupiter's equator and radius vectors.
    const double L1 = l1 + s1;
    const double L2 = l2 + s2;
    const double L3 = l3 + s3;
    const double L4 = l4 + s4;
    auto arcTangent = [](double tangent) { return std::atan(tangent) / kRadiansPerDegree; };
    const double b1 = arcTangent(SineSum({{0.0006393, L1 - w1}, {0.0001825, L1 - w2}, {0.0000329, L1 - w3},
        {-0.0000311, L1 - psi}, {0.0000093, L1 - w4}, {0.0000075, 3 * L1 - 4 * l2 - 1.9927 * s1 + w2},
        {0.0000046, L1 + psi - 2 * pi - 2 * g}}));
    const double b2 = arcTangent(SineSum({{0.0081004, L2 - w2}, {0.0004512, L2 - w3}, {-0.0003284, L2 - psi},
        {0.0001160, L2 - w4}, {0.0000272, l1 - 2 * l3 + 1.0146 * s2 + w2}, {-0.0000144, L2 - w1},
        {0.0000143, L2 + psi - 2 * pi - 2 * g}, {0.0000035, L2 - psi + g},
        {-0.0000028, l1 - 2 * l3 + 1.0146 * s2 + w3}}));
    const double b3 = arcTangent(SineSum({{0.0032402, L3 - w3}, {-0.0016911, L3 - psi}, {0.0006847, L3 - w4},
        {-0.0002797, L3 - w2}, {0.0000321, L3 + psi - 2 * pi - 2 * g}, {0.0000051, L3 - psi + g},
        {-0.0000045, L3 - psi - g}, {-0.0000045, L3 + psi - 2 * pi}, {0.0000037, L3 + psi - 2 * pi - 3 * g},
        {0.0000030, 2 * l2 - 3 * L3 + 4.03 * s3 + w2}, {-0.0000021, 2 * l2 - 3 * L3 + 4.03 * s3 + w3}}));
    const double b4 = arcTangent(SineSum({{-0.0076579, L4 - psi}, {0.0044134, L4 - w4}, {-0.0005112, L4 - w3},
        {0.0000773, L4 + psi - 2 * pi - 2 * g}, {0.0000104, L4 - psi + g}, {-0.0000102, L4 - psi - g},
        {0.0000088, L4 + psi - 2 * pi - 3 * g}, {-0.0000038, L4 + psi - 2 * pi - g}}));
    const double r1 = 5.90569 * (1 + CosineSum({{-0.0041339, 2 * (l1 - l2)}, {-0.0000387, l1 - p3},
        {-0.0000214, l1 - p4}, {0.0000170, l1 - l2}, {-0.0000131, 4 * (l1 - l2)}, {0.0000106, l1 - l3},
        {-0.0000066, l1 + p3 - 2 * pi - 2 * g}}));
    const double r2 = 9.39657 * (1 + CosineSum({{0.0093848, l1 - l2}, {-0.0003116, l2 - p3},
        {-0.0001744, l2 - p4}, {-0.0001442, l2 - p2}, {0.0000553, l2 - l3}, {0.0000523, l1 - l3},
        {-0.0000290, 2 * (l1 - l2)}, {0.0000164, 2 * (l2 - w2)}, {0.0000107, l1 - 2 * l3 + p3},
        {-0.0000102, l2 - p1}, {-0.0000091, 2 * (l1 - l3)}}));
    const double r3 = 14.98832 * (1 + CosineSum({{-0.0014388, l3 - p3}, {-0.0007917, l3 - p4},
        {0.0006342, l2 - l3}, {-0.0001761, 2 * (l3 - l4)}, {0.0000294, l3 - l4}, {-0.0000156, 3 * (l3 - l4)},
        {0.0000156, l1 - l3}, {-0.0000153, l1 - l2}, {0.0000070, 2 * l2 - 3 * l3 + p3},
        {-0.0000051, l3 + p3 - 2 * pi - 2 * g}}));
    const double r4 = 26.36273 * (1 + CosineSum({{-0.0073546, l4 - p4}, {0.0001621, l4 - p3},
        {0.0000974, l3 - l4}, {-0.0000543, l4 + p4 - 2 * pi - 2 * g}, {-0.0000271, 2 * (l4 - p4)},
        {0.0000182, l4 - pi}, {0.0000177, 2 * (l3 - l4)}, {-0.0000167, 2 * l4 - psi - w4}, {0.0000167, psi - w4},
        {-0.0000155, 2 * (l4 - pi - g)}, {0.0000142, 2 * (l4 - psi)}, {0.0000105, l1 - l4}, {0.0000092, l2 - l4},
        {-0.0000089, l4 - pi - g}, {-0.0000062, l4 + p4 - 2 * pi - 3 * g}, {0.0000048, 2 * (l4 - w4)}}));

    // From the equinox of B1950 to that of the day, then from Jupiter's
    // equator to its orbit (inclination I), along the orbit to its node
    // and to the ecliptic of the day (inclination i, node Ω).
    const double t0 = (julianEphemerisDay - 2433282.423) / kDaysPerJulianCentury;
    const double precession = 1.3966626 * t0 + 0.0003088 * t0 * t0;
    const double psiOfDate = psi + precession;
    const double equatorTilt = 3.120262 + 0.0006 * (julianEphemerisDay - 2415020.5) / kDaysPerJulianCentury;
    // Jupiter's orbit on the ecliptic of the day (Meeus, chapter 31).
    const double c = (julianEphemerisDay - kJ2000) / kDaysPerJulianCentury;
    const double node = 100.464407 + c * (1.0209774 + c * (0.00040315 + c * 0.000000404));
    const double orbitTilt = 1.303267 + c * (-0.0054965 + c * (0.00000466 - c * 0.000000002));
    auto toEcliptic = [&](const Vector3& onEquator) {
        return AboutZ(AboutX(AboutZ(AboutX(onEquator, equatorTilt), psiOfDate - node), orbitTilt), node);
    };
    auto onEquator = [&](double longitude, double latitude, double radius) {
        const double u = longitude + precession - psiOfDate;
        return toEcliptic(Vector3{radius * CosDeg(u) * CosDeg(latitude), radius * SinDeg(u) * CosDeg(latitude),
                                  radius * SinDeg(latitude)});
    };
    return {{onEquator(L1, b1, r1), onEquator(L2, b2, r2), onEquator(L3, b3, r3), onEquator(L4, b4, r4)},
            toEcliptic({0, 0, 1})};
}
