#pragma once

#include "sky_backdrop_data.h"
#include "sky_regions.h"

#include <GL/gl.h>

#include <array>
#include <memory>

// The sky behind the bodies: the Milky Way, the constellations' figures and
// the stars, at infinite distance. Each layer is sorted once, by region of
// the sky, into vertex arrays (the Milky Way's picture into a texture) the
// first time it is drawn; a frame draws the regions in view through the
// view's turns alone, so that "Quadro", a followed body and the glide never
// move them.
class StarBackdrop {
public:
    struct Layers {
        bool stars = false;
        bool figures = false;
        bool milkyWay = false;
        bool Any() const { return stars || figures || milkyWay; }
    };

    StarBackdrop() = default;
    StarBackdrop(const StarBackdrop&) = delete;
    StarBackdrop& operator=(const StarBackdrop&) = delete;

    // Takes what was read; the arrays are sorted from it when first drawn.
    void Adopt(std::shared_ptr<const SkyBackdropData> data);
    const SkyBackdropData* Data() const { return Sky.get(); }

    // Draws the layers asked for into the current frame, before the bodies,
    // through the rotation of the current model-view matrix alone, and keeps
    // that rotation for Project. Leaves every GL state as it found it.
    void Draw(const Layers& layers);

    // Where a direction of the scene's frame lands in the window (device
    // pixels, y up) in the last frame drawn; false behind the eye.
    bool Project(const Vector3& direction, double& x, double& y) const;

    // Deletes the texture; the context must be current.
    void Release();
    // Forgets them, for a context already gone.
    void Forget();

    // The brighter stars are drawn in classes of magnitude, each its own size.
    static constexpr std::size_t kRoundClassCount = 4;

private:
    void Sort();
    void UploadMilkyWay();

    std::shared_ptr<const SkyBackdropData> Sky;
    SkyRegionArray MilkyWay{SkyRegionArray::Carried::Texture};
    SkyRegionArray Figures;
    std::array<SkyRegionArray, kRoundClassCount> RoundStars; // brightest first
    SkyRegionArray PixelStars{SkyRegionArray::Carried::Colour};
    bool Sorted = false;
    GLuint MilkyWayTexture = 0;
    std::array<GLdouble, 16> Turn{}; // the last frame's rotation
    std::array<GLdouble, 16> Projection{}; // and its projection
    std::array<GLint, 4> Viewport{};
};
