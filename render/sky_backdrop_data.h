#pragma once

#include "constellation_figures.h"
#include "constellations.h"
#include "sky_vector.h"
#include "star_catalogue.h"

#include <QImage>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// What the sky behind the bodies is made of, in the scene's frame (the
// ecliptic and equinox of J2000 as the planets stand in it): the stars'
// directions and magnitudes, the figures' strokes, where each
// constellation's name and each named star stand, and the Milky Way's
// picture. Made once, off the window's thread; no GL.
struct SkyBackdropData {
    struct Star {
        Vector3 direction;
        double magnitude = 0;
    };
    std::vector<Star> stars; // down to kFaintestMagnitude
    std::vector<std::array<Vector3, 2>> strokes;
    // Each constellation's figure centre (the mean of its strokes' ends), if it has a figure.
    std::array<std::optional<Vector3>, kConstellationCount> figureCentres{};
    std::array<std::optional<Vector3>, kNamedStarCount> namedStars{};
    QImage milkyWay; // grey, its galactic centre found from the picture

    std::optional<SkyDataRefusal> starsRefused;
    std::optional<SkyDataRefusal> figuresRefused;
    bool milkyWayRefused = false;
};

inline constexpr double kFaintestMagnitude = 6.5;

// Where the data lie: xplanet's and openuniverse-common's folders.
struct SkyBackdropFiles {
    QString catalogue = QStringLiteral("/usr/share/xplanet/stars/BSC");
    QString figures = QStringLiteral("/usr/share/xplanet/arcs/constellations");
    QString milkyWay = QStringLiteral("/usr/share/openuniverse/textures/mw.jpg");
};

// The scene direction of a place on the sky given by its right ascension and
// declination of J2000 (degrees).
Vector3 SkyDirection(double rightAscension, double declination);

// Reads and turns everything; what cannot be read is noted and left empty.
SkyBackdropData LoadSkyBackdrop(const SkyBackdropFiles& files);

// The constellation whose figure's centre is nearest a scene direction;
// kNoConstellation when no figure was read.
int NearestFigure(const SkyBackdropData& data, const Vector3& direction);
