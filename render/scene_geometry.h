#pragma once

#include "body_ids.h"
#include "sky_vector.h"

#include <GL/gl.h>

#include <array>
#include <span>

// Every shape of the scene, compiled once into display lists and replayed by
// each frame and each selection pass. Replaying lists keeps the per-frame work
// (and the driver's per-vertex bookkeeping in selection mode) constant.
enum GeometryList : GLuint {
    SunSphere,      // radius 3
    MercurySphere,
    VenusSphere,
    EarthSphere,
    MoonSphere,
    MarsSphere,
    JupiterSphere,
    SaturnSphere,
    UranusSphere,
    NeptuneSphere,
    PlutoSphere,
    EarthShell,     // the translucent highlight round the Earth
    LargeSunSphere, // the Sun of the fixed-placement frame, radius 4
    FlareSunSphere, // the Sun behind the flare, radius 3.5
    OrbitLines,     // nine closed lines, Mercury's orbit to Pluto's
    SaturnRing,     // one closed line through six circles
    HaloQuad,       // half-side 6.5
    FlareQuad,      // half-side 8
    TrueOrbitLines, // nine open lines, the planets' true paths, Mercury's first
    kGeometryListCount = TrueOrbitLines + 9
};

// The sphere of a body, by body id.
constexpr GeometryList SphereOf(BodyId id)
{
    return static_cast<GeometryList>(SunSphere + (id - Sun));
}

// The list of a planet's true path, compiled by CompileTrueOrbitLine.
constexpr GeometryList TrueOrbitLineOf(BodyId planet)
{
    return static_cast<GeometryList>(TrueOrbitLines + (planet - Mercury) - (planet > Earth ? 1 : 0));
}

// The radius of a body's sphere in the scene frame (0 for ids of no body).
double SphereRadius(BodyId id);

// How far a body reaches from its centre in the scene frame: its sphere's
// radius, Saturn's with its ring; for a moon's id, the moon's.
double BodyExtent(BodyId id);

// The maps put longitude 0 at their middle (s = 0.5), as Gibraltar on the
// Earth's map and Mare Crisium and Mare Orientale on the Moon's show. GLU's
// sphere, stood up by the turn of -90 degrees about X, has s = 0.75 on +X
// and s growing eastwards; this turn about Y brings the maps' longitude 0
// onto +X.
inline constexpr double kMapMeridianTurn = 90;

// Compiles all lists into the current context (they live as long as it does).
// Needs the shared quadric. Returns false if the driver has no lists to give.
bool BuildSceneGeometry();

// Compiles a planet's true path, a line through `points` of the scene frame,
// into its list (until then the list draws nothing).
void CompileTrueOrbitLine(BodyId planet, std::span<const Vector3> points);

// Replays one list.
void DrawGeometry(GeometryList list);
