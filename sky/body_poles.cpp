#include "body_poles.h"

#include "equatorial_to_ecliptic.h"
#include "sky_bodies.h"

EclipticPlace NorthPole(BodyId body)
{
    const PoleOnTheSky& pole = SkyBodies()[body].pole;
    return EclipticOfJ2000(pole.rightAscension, pole.declination);
}
