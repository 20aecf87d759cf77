#pragma once

#include "body_ids.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

// A moment written as ISO 8601 without a zone, read as UTC.
inline QDateTime Utc(const char* iso)
{
    QDateTime moment = QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
    moment.setTimeZone(QTimeZone::utc());
    return moment;
}

// Angular distance in degrees, across 0/360.
inline double Separation(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

// Published heliocentric ecliptic longitudes, mean ecliptic and equinox
// J2000.0, in degrees.
//
// Mercury to Neptune: the test values of the Bureau des Longitudes for
// VSOP87B (Bretagnon & Francou 1988, file vsop87.chk of VizieR catalogue
// VI/81), at JD 2451545.0 and 2415020.0 TDB, converted from radians. The
// moments below are those instants in UTC.
//
// Pluto: the test values of PLUTO95 (Chapront & Francou 1995, file pluto.txt
// of VizieR catalogue VI/88), heliocentric rectangular coordinates, equator
// J2000, at JD 2451548.25 and 2415023.0 TDB, turned to ecliptic longitudes
// with the J2000 obliquity 23.4392911 degrees. The two Pluto moments lie three
// days after the other eight, on the instants PLUTO95 publishes.
struct PublishedLongitude {
    const char* utc;
    BodyId body;
    double degrees;
};

inline constexpr char kJ2000Utc[] = "2000-01-01T11:58:56";

inline constexpr PublishedLongitude kPublishedLongitudes[] = {
    {kJ2000Utc, Mercury, 253.7830},         {kJ2000Utc, Venus, 182.6029},
    {kJ2000Utc, Earth, 100.3778},           {kJ2000Utc, Mars, 359.4473},
    {kJ2000Utc, Jupiter, 36.2947},          {kJ2000Utc, Saturn, 45.7223},
    {kJ2000Utc, Uranus, 316.4187},          {kJ2000Utc, Neptune, 303.9291},
    {"2000-01-04T17:58:56", Pluto, 250.5664},
    {"1899-12-31T12:00:03", Mercury, 201.0798}, {"1899-12-31T12:00:03", Venus, 343.7375},
    {"1899-12-31T12:00:03", Earth, 101.0410},   {"1899-12-31T12:00:03", Mars, 287.5434},
    {"1899-12-31T12:00:03", Jupiter, 235.8942}, {"1899-12-31T12:00:03", Saturn, 267.8956},
    {"1899-12-31T12:00:03", Uranus, 250.0475},  {"1899-12-31T12:00:03", Neptune, 87.0893},
    {"1900-01-03T12:00:03", Pluto, 77.1584},
};

// How far a computed place may lie from a published one: the published
// rounding and libnova's truncation of VSOP87, or the difference of Meeus's
// series for Pluto from PLUTO95. Taking universal time for dynamical time
// (64 s at J2000) would move Mercury 0.003 degrees, Venus 0.001.
inline double PublishedTolerance(BodyId body)
{
    return body == Pluto ? 0.0015 : 0.0002;
}

// How far the planets may stand from the theory while they follow the sky's
// clock: its interpolation between samples.
inline constexpr double kTrackTolerance = 0.005;

// The J2000 rows' planets whose orbit angle lies further from the published
// longitude than its tolerance plus `extra`, with both values; empty when
// every one stands where it should.
inline QString PlanetsOffJ2000(const std::array<float, 14>& orbitAngle, double extra)
{
    QString off;
    for (const auto& [utc, body, published] : kPublishedLongitudes) {
        if (utc == kJ2000Utc && Separation(orbitAngle[body], published) > PublishedTolerance(body) + extra) {
            off += QStringLiteral("body %1 at %2, published %3; ").arg(body).arg(orbitAngle[body], 0, 'f', 5).arg(published);
        }
    }
    return off;
}
