#include "true_orbit_lines.h"

#include "body_orbits.h"
#include "scene_geometry.h"
#include "sky_bodies.h"

#include <vector>

TrueOrbitLines::TrueOrbitLines()
    : Paths{OrbitPath(Mercury), OrbitPath(Venus),  OrbitPath(Earth),   OrbitPath(Mars), OrbitPath(Jupiter),
            OrbitPath(Saturn),  OrbitPath(Uranus), OrbitPath(Neptune), OrbitPath(Pluto)}
{
}

bool TrueOrbitLines::Follow(double julianDay)
{
    for (std::size_t i = 0; i < Paths.size(); ++i) {
        if (!Paths[i].Follow(julianDay)) {
            continue;
        }
        std::vector<Vector3> points;
        for (const EclipticPlace& place : Paths[i].Points()) {
            Vector3 point{};
            if (ScenePoint(place, point)) {
                points.push_back(point);
            }
        }
        CompileTrueOrbitLine(kPlanetIds[i], points);
        return false;
    }
    return true;
}
