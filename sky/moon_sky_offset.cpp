#include "moon_sky_offset.h"

#include "planet_moons.h"
#include "planet_positions.h"
#include "sky_units.h"

std::optional<SkyOffset> SeenFromEarth(MoonId moon, double julianEphemerisDay, const Vector3& north)
{
    const BodyId planet = FactsOf(moon).planet;
    const Vector3 earth = Rectangular(HeliocentricPlace(Earth, julianEphemerisDay));
    Vector3 seen{};
    double lightTime = 0;
    for (int pass = 0; pass < 3; ++pass) {
        seen = Rectangular(HeliocentricPlace(planet, julianEphemerisDay - lightTime)) - earth;
        lightTime = kLightDaysPerAu * Length(seen);
    }
    const Vector3 sight = seen / Length(seen);
    const Vector3 up = north - sight * Dot(north, sight);
    const Vector3 northward = up / Length(up);
    const Vector3 westward = Cross(sight, northward);
    const double auPerRadius = PlanetRadiusKm(planet) / kKilometresPerAu;
    std::optional<Vector3> offset = MoonOffset(moon, julianEphemerisDay - lightTime);
    for (int pass = 0; pass < 2 && offset; ++pass) {
        const double extra = Dot(*offset, sight) * auPerRadius * kLightDaysPerAu;
        offset = MoonOffset(moon, julianEphemerisDay - lightTime - extra);
    }
    if (!offset) {
        return std::nullopt;
    }
    // Angles from the planet's centre, in the planet's apparent radius: a
    // moon nearer than its planet stands a little wider.
    const double farther = Dot(*offset, sight);
    const double distance = Length(seen);
    const double perspective = distance / (distance + farther * auPerRadius);
    return SkyOffset{Dot(*offset, westward) * perspective, Dot(*offset, northward) * perspective, farther};
}
