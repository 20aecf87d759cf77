#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>

#include <functional>

namespace ImageGen {

// A colour with premultiplied alpha, every channel in [0, 1].
struct Rgba {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

Rgba OpaqueColour(QRgb rgb);
Rgba Lit(const Rgba& colour, double light);      // scales the colour, keeps the coverage
Rgba Faded(const Rgba& colour, double opacity);  // scales colour and coverage
Rgba Over(const Rgba& top, const Rgba& bottom);
Rgba Mix(const Rgba& from, const Rgba& to, double t);

// Colour of the point (x, y) of the picture, in pixels from its top-left corner.
using PixelShader = std::function<Rgba(double x, double y)>;

// Renders a picture of `size` pixels as QImage::Format_ARGB32_Premultiplied.
// Each pixel averages samplesPerAxis x samplesPerAxis shader calls spread over
// its area, which smooths every edge the shader draws.
QImage Rasterise(QSize size, int samplesPerAxis, const PixelShader& shader);

} // namespace ImageGen
