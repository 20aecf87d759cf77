#pragma once

#include "planet_positions.h"
#include "sky_events.h"
#include "sky_vector.h"

#include <optional>

// The shadows' geometry at a syzygy, from the Sun's and the Moon's apparent
// geocentric places (degrees, AU).

// How far the axis of the Moon's shadow passes from the Earth's centre, in
// Earth radii (the eclipse's gamma); least at the greatest solar eclipse.
double ShadowAxisGap(const EclipticPlace& sun, const EclipticPlace& moon);

// The solar eclipse these places make, if any: total, annular, hybrid
// (total at its greatest, annular at the ends of its path) or partial.
std::optional<SkyEventType> SolarEclipseKind(const EclipticPlace& sun, const EclipticPlace& moon);

// How far the Moon's centre stands from the axis of the Earth's shadow, in
// degrees; least at the greatest lunar eclipse.
double MoonFromEarthShadow(const EclipticPlace& sun, const EclipticPlace& moon);

// The lunar eclipse these places make, if any: total, partial or penumbral,
// with the Earth's shadow enlarged by its atmosphere as Danjon's rule has it.
std::optional<SkyEventType> LunarEclipseKind(const EclipticPlace& sun, const EclipticPlace& moon);

// The umbral magnitude of a lunar eclipse: the share of the Moon's diameter
// inside the Earth's umbra (above 1: total), with the same widened shadow.
double UmbralMagnitude(const EclipticPlace& sun, const EclipticPlace& moon);

// The point of the Earth's surface (a unit vector from its centre) where the
// axis of the Moon's shadow meets it, or the one nearest the axis where it
// passes by: at the greatest solar eclipse, its point of greatest eclipse.
// The Sun and the Moon from the Earth's centre, in Earth radii, in any frame.
Vector3 ShadowAxisFoot(const Vector3& sun, const Vector3& moon);
