#include "saturn_moons.h"

#include <cmath>

namespace {

// Saturn's equator on the ecliptic of B1950: its inclination and the
// longitude of its ascending node.
constexpr double kEquatorTilt = 28.0817;
constexpr double kEquatorNode = 168.8112;

// A moon's true longitude, radius, and the inclination and node of its
// orbit, all measured on Saturn's equator from the ecliptic's equinox
// through the equator's node.
struct OnEquator {
    double longitude;
    double radius;
    double inclination;
    double node;
};

// Rhea to Iapetus: from mean elements on the ecliptic of B1950 (mean
// longitude, perisaturnium, eccentricity, semi-major axis, inclination and
// node) to their place on Saturn's equator.
OnEquator FromEclipticElements(double meanLongitude, double perisaturnium, double e, double a, double inclination,
                               double node)
{
    const double m = meanLongitude - perisaturnium;
    // The equation of the centre, to the fifth power of e, in radians.
    const double e2 = e * e;
    const double e3 = e2 * e;
    const double c = ((2 * e - 0.25 * e3 + 0.0520833333 * e2 * e3) * SinDeg(m) +
                      (1.25 * e2 - 0.458333333 * e2 * e2) * SinDeg(2 * m) +
                      (1.083333333 * e3 - 0.671875 * e2 * e3) * SinDeg(3 * m) + 1.072917 * e2 * e2 * SinDeg(4 * m) +
                      1.142708 * e2 * e3 * SinDeg(5 * m)) /
                     kRadiansPerDegree;
    const double radius = a * (1 - e2) / (1 + e * CosDeg(m + c));
    const double g = node - kEquatorNode;
    const double a1 = SinDeg(inclination) * SinDeg(g);
    const double a2 = CosDeg(kEquatorTilt) * SinDeg(inclination) * CosDeg(g) - SinDeg(kEquatorTilt) * CosDeg(inclination);
    const double tilt = std::asin(std::hypot(a1, a2)) / kRadiansPerDegree;
    const double u = std::atan2(a1, a2) / kRadiansPerDegree;
    const double h = CosDeg(kEquatorTilt) * SinDeg(inclination) - SinDeg(kEquatorTilt) * CosDeg(inclination) * CosDeg(g);
    const double psi = std::atan2(SinDeg(kEquatorTilt) * SinDeg(g), h) / kRadiansPerDegree;
    return {meanLongitude + c + u - g - psi, radius, tilt, kEquatorNode + u};
}

// From Saturn's equator to the ecliptic of B1950.
Vector3 ToEcliptic(const Vector3& v)
{
    return AboutZ(AboutX(v, kEquatorTilt), kEquatorNode);
}

Vector3 Place(const OnEquator& moon)
{
    return ToEcliptic(OnOrbit(moon.radius, moon.longitude - moon.node, moon.inclination, moon.node - kEquatorNode));
}

} // namespace

MoonPlaces<8> SaturnMoons(double julianEphemerisDay)
{
    const double jde = julianEphemerisDay;
    const double t1 = jde - 2411093.0;
    const double t2 = t1 / kDaysPerJulianYear;
    const double t3 = (jde - 2433282.423) / kDaysPerJulianYear + 1950.0;
    const double t4 = jde - 2411368.0;
    const double t5 = t4 / kDaysPerJulianYear;
    const double t6 = jde - 2415020.0;
    const double t7 = t6 / kDaysPerJulianCentury;
    const double t8 = t6 / kDaysPerJulianYear;
    const double t9 = (jde - 2442000.5) / kDaysPerJulianYear;
    const double t10 = jde - 2409786.0;
    const double t11 = t10 / kDaysPerJulianCentury;
    const double w0 = 5.095 * (t3 - 1866.39);
    const double w1 = 74.4 + 32.39 * t2;
    const double w2 = 134.3 + 92.62 * t2;
    const double w3 = 42.0 - 0.5118 * t5;
    const double w4 = 276.59 + 0.5118 * t5;
    const double w5 = 267.2635 + 1222.1136 * t7;
    const double w6 = 175.4762 + 1221.5515 * t7;
    const double w7 = 2.4891 + 0.002435 * t7;
    const double w8 = 113.35 - 0.2597 * t7;
    MoonPlaces<8> places;

    // Mimas, Enceladus, Tethys and Dione: elements on Saturn's equator.
    auto inner = [](double l, double perisaturnium, std::initializer_list<double> centre, double a, double e) {
        const double m = l - perisaturnium;
        double c = 0;
        int multiple = 1;
        for (const double coefficient : centre) {
            c += coefficient * SinDeg(multiple++ * m);
        }
        return std::pair{l + c, a / (1 + e * CosDeg(m + c))};
    };
    const auto [l1, r1] = inner(127.64 + 381.994497 * t1 - 43.57 * SinDeg(w0) - 0.720 * SinDeg(3 * w0) -
                                    0.02144 * SinDeg(5 * w0),
                                106.1 + 365.549 * t2, {2.18287, 0.025988, 0.00043}, 3.06879, 0.01905);
    places.moons[0] = Place({l1, r1, 1.563, 54.5 - 365.072 * t2});
    const auto [l2, r2] = inner(200.317 + 262.7319002 * t1 + 0.25667 * SinDeg(w1) + 0.20883 * SinDeg(w2),
                                309.107 + 123.44121 * t2, {0.55577, 0.00168}, 3.94118, 0.00485);
    places.moons[1] = Place({l2, r2, 0.0262, 348 - 151.95 * t2});
    places.moons[2] = Place({285.306 + 190.69791226 * t1 + 2.063 * SinDeg(w0) + 0.03409 * SinDeg(3 * w0) +
                                 0.001015 * SinDeg(5 * w0),
                             4.880998, 1.0976, 111.33 - 72.2441 * t2});
    const auto [l4, r4] = inner(254.712 + 131.53493193 * t1 - 0.0215 * SinDeg(w1) - 0.01733 * SinDeg(w2),
                                174.8 + 30.820 * t2, {0.24717, 0.00033}, 6.24871, 0.002157);
    places.moons[3] = Place({l4, r4, 0.0139, 232 - 30.27 * t2});

    // Rhea.
    {
        const double p = 342.7 + 10.057 * t2;
        const double a1 = 0.000265 * SinDeg(p) + 0.001 * SinDeg(w4);
        const double a2 = 0.000265 * CosDeg(p) + 0.001 * CosDeg(w4);
        const double n = 345 - 10.057 * t2;
        places.moons[4] = Place(FromEclipticElements(
            359.244 + 79.6900472 * t1 + 0.086754 * SinDeg(n), std::atan2(a1, a2) / kRadiansPerDegree,
            std::hypot(a1, a2), 8.725924, 28.0362 + 0.346898 * CosDeg(n) + 0.01930 * CosDeg(w3),
            168.8034 + 0.736936 * SinDeg(n) + 0.041 * SinDeg(w3)));
    }
    // Titan.
    {
        const double l = 261.1582 + 22.57697855 * t4 + 0.074025 * SinDeg(w3);
        const double i0 = 27.45141 + 0.295999 * CosDeg(w3);
        const double node0 = 168.66925 + 0.628808 * SinDeg(w3);
        const double a1 = SinDeg(w7) * SinDeg(node0 - w8);
        const double a2 = CosDeg(w7) * SinDeg(i0) - SinDeg(w7) * CosDeg(i0) * CosDeg(node0 - w8);
        constexpr double g0 = 102.8623;
        const double psi = std::atan2(a1, a2) / kRadiansPerDegree;
        const double s = std::hypot(a1, a2);
        double g = w4 - node0 - psi;
        double perisaturnium = 0;
        for (int pass = 0; pass < 3; ++pass) {
            perisaturnium = w4 + 0.37515 * (SinDeg(2 * g) - SinDeg(2 * g0));
            g = perisaturnium - node0 - psi;
        }
        const double e0 = 0.029092 + 0.00019048 * (CosDeg(2 * g) - CosDeg(2 * g0));
        const double q = 2 * (w5 - perisaturnium);
        const double b1 = SinDeg(i0) * SinDeg(node0 - w8);
        const double b2 = CosDeg(w7) * SinDeg(i0) * CosDeg(node0 - w8) - SinDeg(w7) * CosDeg(i0);
        const double theta = std::atan2(b1, b2) / kRadiansPerDegree + w8;
        const double e = e0 + 0.002778797 * e0 * CosDeg(q);
        const double p = perisaturnium + 0.159215 * SinDeg(q);
        const double u = 2 * w5 - 2 * theta + psi;
        const double h = 0.9375 * e0 * e0 * SinDeg(q) + 0.1875 * s * s * SinDeg(2 * (w5 - theta));
        const double e1 = 0.05589 - 0.000346 * t7;
        const double meanLongitude = l - 0.254744 * (e1 * SinDeg(w6) + 0.75 * e1 * e1 * SinDeg(2 * w6) + h);
        const double i = i0 + 0.031843 * s * CosDeg(u);
        const double node = node0 + 0.031843 * s * SinDeg(u) / SinDeg(i0);
        places.moons[5] = Place(FromEclipticElements(meanLongitude, p, e, 20.216193, i, node));
    }
    // Hyperion.
    {
        const double eta = 92.39 + 0.5621071 * t6;
        const double zeta = 148.19 - 19.18 * t8;
        const double theta = 184.8 - 35.41 * t9;
        const double as = 176 + 12.22 * t8;
        const double bs = 8 + 24.44 * t8;
        const double cs = bs + 5;
        const double varpi = 69.898 - 18.67088 * t8;
        const double phi = 2 * (varpi - w5);
        const double chi = 94.9 - 2.292 * t8;
        const double a = 24.50601 + CosineSum({{-0.08686, eta}, {-0.00166, zeta + eta}, {0.00175, zeta - eta}});
        const double e = 0.103458 + CosineSum({{-0.004099, eta}, {-0.000167, zeta + eta}, {0.000235, zeta - eta},
                                               {0.02303, zeta}, {-0.00212, 2 * zeta}, {0.000151, 3 * zeta}, {0.00013, phi}});
        const double p = varpi + SineSum({{0.15648, chi}, {-0.4457, eta}, {-0.2657, zeta + eta},
                                          {-0.3573, zeta - eta}, {-12.872, zeta}, {1.668, 2 * zeta},
                                          {-0.2419, 3 * zeta}, {-0.07, phi}});
        const double meanLongitude = 177.047 + 16.91993829 * t6 +
                                     SineSum({{0.15648, chi}, {9.142, eta}, {0.007, 2 * eta}, {-0.014, 3 * eta},
                                              {0.2275, zeta + eta}, {0.2112, zeta - eta}, {-0.26, zeta},
                                              {-0.0098, 2 * zeta}, {-0.013, as}, {0.017, bs}, {-0.0303, phi}});
        const double i = 27.3347 + CosineSum({{0.6434886, chi}, {0.315, w3}, {0.018, theta}, {-0.018, cs}});
        const double node = 168.6812 + CosineSum({{1.40136, chi}}) +
                            SineSum({{0.68599, w3}, {-0.0392, cs}, {0.0366, theta - 7.5}});
        places.moons[6] = Place(FromEclipticElements(meanLongitude, p, e, a, i, node));
    }
    // Iapetus.
    {
        const double l = 261.1582 + 22.57697855 * t4;
        const double varpiS = 91.796 + 0.562 * t7;
        const double psi = 4.367 - 0.195 * t7;
        const double theta = 146.819 - 3.198 * t7;
        const double phi = 60.470 + 1.521 * t7;
        const double bigPhi = 205.055 - 2.091 * t7;
        const double e0 = 0.028298 + 0.001156 * t11;
        const double varpi0 = 352.91 + 11.71 * t11;
        const double mu = 76.3852 + 4.53795125 * t10;
        const double i0 = 18.4602 + t11 * (-0.9518 + t11 * (-0.072 + t11 * 0.0054));
        const double node0 = 143.198 + t11 * (-3.919 + t11 * (0.116 + t11 * 0.008));
        const double ll = mu - varpi0;
        const double g = varpi0 - node0 - psi;
        const double g1 = varpi0 - node0 - phi;
        const double ls = w5 - varpiS;
        const double gs = varpiS - theta;
        const double lt = l - w4;
        const double gt = w4 - bigPhi;
        const double u1 = 2 * (ll + g - ls - gs);
        const double u2 = ll + g1 - lt - gt;
        const double u3 = ll + 2 * (g - ls - gs);
        const double u4 = lt + gt - g1;
        const double u5 = 2 * (ls + gs);
        const double a = 58.935028 + CosineSum({{0.004638, u1}, {0.058222, u2}});
        const double e = e0 + CosineSum({{-0.0014097, g1 - gt}, {0.0003733, u5 - 2 * g}, {0.0001180, u3},
                                         {0.0002408, ll}, {0.0002849, ll + u2}, {0.0006190, u4}});
        const double w = SineSum({{0.08077, g1 - gt}, {0.02139, u5 - 2 * g}, {-0.00676, u3}, {0.01380, ll},
                                  {0.01632, ll + u2}, {0.03547, u4}});
        const double meanLongitude = mu + SineSum({{-0.04299, u2}, {-0.00789, u1}, {-0.06312, ls},
                                                  {-0.00295, 2 * ls}, {-0.02231, u5}, {0.00650, u5 + psi}});
        const double i = i0 + CosineSum({{0.04204, u5 + psi}, {0.00235, ll + g1 + lt + gt + phi},
                                         {0.00360, u2 + phi}});
        const double wNode = SineSum({{0.04204, u5 + psi}, {0.00235, ll + g1 + lt + gt + phi}, {0.00358, u2 + phi}});
        places.moons[7] =
            Place(FromEclipticElements(meanLongitude, varpi0 + w / e0, e, a, i, node0 + wNode / SinDeg(i0)));
    }
    places.pole = ToEcliptic({0, 0, 1});
    return places;
}
