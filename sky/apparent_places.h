#pragma once

#include "body_ids.h"
#include "ecliptic_precession.h"
#include "planet_positions.h"
#include "sky_vector.h"

#include <array>
#include <cstddef>
#include <vector>

// The Sun's, the Moon's and the planets' apparent geocentric places, as an
// observer at the Earth's centre sees them: longitude and latitude in degrees
// on the ecliptic and equinox of date (precession and nutation in
// longitude), distance in AU. The planets are corrected for light-time, the
// Sun and the planets for the aberration of the Earth's motion; the Moon's
// theory already holds its own light-time.
//
// Each theory is evaluated on a grid of dynamical days, a step of its own
// apart, and interpolated in between (six points), within 0.5 arcseconds
// of the theory: a search that asks for thousands of places in a year pays
// for a few hundred theory calls.
class ApparentSky {
public:
    // For moments from `firstJulianDay` to `lastJulianDay` (universal time),
    // and a little beyond.
    ApparentSky(double firstJulianDay, double lastJulianDay);

    // Any body but the Earth, at a Julian day of universal time.
    EclipticPlace Place(BodyId body, double julianDay);

private:
    // One theory's places on its grid: rectangular, on the ecliptic and
    // equinox of J2000, heliocentric (geocentric for the Moon).
    class Samples {
    public:
        Samples(BodyId body, double stepDays, double firstJde, double lastJde);
        Vector3 At(double jde);
        Vector3 Velocity(double jde); // AU a day

    private:
        Vector3 Sample(std::ptrdiff_t index);
        BodyId Body;
        double Step;
        std::ptrdiff_t FirstIndex;
        std::vector<Vector3> Values;
        std::vector<bool> Known;
    };
    Samples& SamplesOf(BodyId body);
    // The turn from J2000's ecliptic to the ecliptic of date and the
    // nutation in longitude (degrees), kept for the last moment asked:
    // a search asks for several bodies at each moment.
    struct DateFrame {
        double jde = -1;
        EclipticTurn turn{};
        double nutation = 0;
    };
    const DateFrame& FrameAt(double jde);
    std::vector<Samples> Theories; // body-id order, from the Sun (empty) to Pluto
    DateFrame Frame;
};

// Angular distance between two places, in degrees.
double AngularSeparation(const EclipticPlace& a, const EclipticPlace& b);

// An angle brought into (-180, 180].
double Wrapped180(double degrees);
