#include "image_raster.h"

#include <algorithm>
#include <cmath>

namespace ImageGen {
namespace {

int ToByte(double channel)
{
    return static_cast<int>(std::lround(std::clamp(channel, 0.0, 1.0) * 255.0));
}

} // namespace

Rgba OpaqueColour(QRgb rgb)
{
    return {qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0, 1.0};
}

Rgba Lit(const Rgba& colour, double light)
{
    return {colour.r * light, colour.g * light, colour.b * light, colour.a};
}

Rgba Faded(const Rgba& colour, double opacity)
{
    return {colour.r * opacity, colour.g * opacity, colour.b * opacity, colour.a * opacity};
}

Rgba Over(const Rgba& top, const Rgba& bottom)
{
    const double rest = 1.0 - top.a;
    return {top.r + bottom.r * rest, top.g + bottom.g * rest, top.b + bottom.b * rest,
            top.a + bottom.a * rest};
}

Rgba Mix(const Rgba& from, const Rgba& to, double t)
{
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

QImage Rasterise(QSize size, int samplesPerAxis, const PixelShader& shader)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int samples = std::max(1, samplesPerAxis);
    const double step = 1.0 / samples;
    const double weight = 1.0 / (samples * samples);
    for (int py = 0; py < size.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < size.width(); ++px) {
            Rgba sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Rgba c = shader(px + (sx + 0.5) * step, py + (sy + 0.5) * step);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
                }
            }
            // Premultiplied colours never exceed their coverage.
            const int alpha = ToByte(sum.a * weight);
            line[px] = qRgba(std::min(ToByte(sum.r * weight), alpha),
                             std::min(ToByte(sum.g * weight), alpha),
                             std::min(ToByte(sum.b * weight), alpha), alpha);
        }
    }
    return image;
}

} // namespace ImageGen
