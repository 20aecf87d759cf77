#pragma once

#include "image_raster.h"
#include "image_sphere.h"

#include <QImage>
#include <QSize>

namespace ImageGen {

// Brightness in [0, 1] of the Sun's granulated surface at `point`: bright
// convection cells parted by dark lanes, on a slowly varying background.
// Cells are about one unit across, so scaling a point of the unit sphere sets
// how fine the granulation looks. The same point always gives the same value.
double SunBrightness(const Vec3& point);

// Orange for dim surface through yellow to pale yellow for the brightest.
Rgba SunColour(double brightness);

// The whole surface as an equirectangular map, `cellsPerRadius` cells per unit
// of the Sun's radius.
QImage SunSurfaceMap(QSize size, double cellsPerRadius);

} // namespace ImageGen
