#pragma once

#include "sky_units.h"
#include "sky_vector.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>

// A theory's moons at one moment: each from its planet's centre, in the
// planet's equatorial radii, and the north pole of the planet's equator that
// the theory refers the orbits to (a unit vector), all in the theory's own
// ecliptic frame.
template <std::size_t N>
struct MoonPlaces {
    std::array<Vector3, N> moons{};
    Vector3 pole{};
};

// The moons' series are written in degrees.
inline double SinDeg(double degrees)
{
    return std::sin(degrees * kRadiansPerDegree);
}

inline double CosDeg(double degrees)
{
    return std::cos(degrees * kRadiansPerDegree);
}

// A term of a periodic series: its coefficient and its argument in degrees.
struct SeriesTerm {
    double coefficient;
    double argument;
};

inline double SineSum(std::initializer_list<SeriesTerm> terms)
{
    double sum = 0;
    for (const SeriesTerm& term : terms) {
        sum += term.coefficient * SinDeg(term.argument);
    }
    return sum;
}

inline double CosineSum(std::initializer_list<SeriesTerm> terms)
{
    double sum = 0;
    for (const SeriesTerm& term : terms) {
        sum += term.coefficient * CosDeg(term.argument);
    }
    return sum;
}

// A vector turned counter-clockwise, by degrees, about the x or the z axis.
inline Vector3 AboutX(const Vector3& v, double degrees)
{
    return {v[0], v[1] * CosDeg(degrees) - v[2] * SinDeg(degrees), v[1] * SinDeg(degrees) + v[2] * CosDeg(degrees)};
}

inline Vector3 AboutZ(const Vector3& v, double degrees)
{
    return {v[0] * CosDeg(degrees) - v[1] * SinDeg(degrees), v[0] * SinDeg(degrees) + v[1] * CosDeg(degrees), v[2]};
}

// A point of an orbit: at `argument` degrees along it from its ascending
// node, on a plane tilted by `inclination` about a node at `node` degrees of
// the reference plane's longitude.
inline Vector3 OnOrbit(double radius, double argument, double inclination, double node)
{
    return AboutZ(AboutX({radius * CosDeg(argument), radius * SinDeg(argument), 0}, inclination), node);
}
