#include "equatorial_to_ecliptic.h"

#include "libnova_turn.h"
#include "sky_units.h"

#include <libnova/ln_types.h>
#include <libnova/transform.h>

EclipticPlace EclipticOfJ2000(double rightAscension, double declination)
{
    ln_equ_posn equatorial{rightAscension, declination};
    ln_lnlat_posn ecliptic{};
    // The conversion reads the obliquity through libnova's nutation, and so its cache.
    const LibnovaTurn turn;
    ln_get_ecl_from_equ(&equatorial, kJ2000, &ecliptic);
    return {ecliptic.lng, ecliptic.lat, 1};
}
