#!/usr/bin/python3
"""Writes moon_offsets_ephem.h: PyEphem's offsets of the Galilean moons and
Titan from their planets, at moments over 1999-2030, for test_planet_moons.

Those years are the span of the Bureau des Longitudes' tables that PyEphem
carries; outside them it falls back on coarser methods (for Jupiter's moons
Meeus's lower-accuracy one, a few tenths of a radius off across the
planet's equator; for Saturn's, places that are far off), which test
nothing.

PyEphem (Debian's python3-ephem) is an independent implementation; it is
run only to write the header, never by the tests. Regenerate with
    /usr/bin/python3 tests/moon_offsets_ephem.py > tests/moon_offsets_ephem.h

PyEphem's moon x and y are in the planet's equatorial radii as seen from
the Earth's centre, along the sky's axes: x positive to the east (the side of
rising right ascension), y positive to the south, both along the Earth's
equator of the day. The header keeps them as
PyEphem gives them.
"""
import ephem

MOMENTS = ["1999/03/01 06:00", "2001/07/14 18:30", "2003/11/02 03:00", "2006/01/01 00:00",
           "2008/05/20 12:00", "2011/09/09 21:15", "2013/12/16 00:00", "2016/04/03 09:45",
           "2019/08/19 15:00", "2022/02/28 00:00", "2025/10/31 07:30", "2028/06/01 00:00",
           "2030/06/30 22:00"]
MOONS = [("Io", ephem.Io), ("Europa", ephem.Europa), ("Ganymede", ephem.Ganymede),
         ("Callisto", ephem.Callisto), ("Titan", ephem.Titan)]

print("#pragma once")
print()
print("// Written by tests/moon_offsets_ephem.py from PyEphem %s; regenerate with" % ephem.__version__)
print("//   /usr/bin/python3 tests/moon_offsets_ephem.py > tests/moon_offsets_ephem.h")
print("// Julian day (UT), moon, x (east) and y (south) in planet radii.")
print()
print('#include "body_ids.h"')
print()
print("#include <array>")
print()
print("struct EphemOffset {")
print("    double julianDay;")
print("    MoonId moon;")
print("    double east;")
print("    double south;")
print("};")
print()
rows = []
for moment in MOMENTS:
    date = ephem.Date(moment)
    for name, body in MOONS:
        moon = body(date)
        rows.append("    {%.6f, %s, %.4f, %.4f}," % (ephem.julian_date(date), name, moon.x, moon.y))
print("inline constexpr std::array<EphemOffset, %d> kEphemOffsets{{" % len(rows))
print("\n".join(rows))
print("}};")
