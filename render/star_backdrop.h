#pragma once

#include "sky_backdrop_data.h"
#include "screen_labels.h"
#include "sky_regions.h"

#include <GL/gl.h>

#include <array>
#include <memory>
#include <vector>

// The sky behind the bodies: the Milky Way, the constellations' figures and
// the stars, at infinite distance. The first time it is drawn, each layer is
// sorted by region of the sky into vertex arrays (the Milky Way's picture
// into a texture), but for the bright stars, which are discs put at the
// window's pixels; a frame draws what is in view through the view's turns
// alone, so that "Quadro", a followed body and the glide never move them.
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

    // Deletes the textures; the context must be current.
    void Release();
    // Forgets them, for a context already gone.
    void Forget();

private:
    void Sort();
    void DrawBrightStars();

    std::shared_ptr<const SkyBackdropData> Sky;
    SkyRegionArray MilkyWay{SkyRegionArray::Carried::Texture};
    SkyRegionArray Figures;
    struct BrightStar {
        Vector3 direction;
        std::size_t discClass; // of Discs, brightest first
    };
    std::vector<BrightStar> BrightStars;
    std::vector<ScreenLabel> Discs;
    SkyRegionArray PixelStars{SkyRegionArray::Carried::Colour};
    bool Sorted = false;
    GLuint MilkyWayTexture = 0;
    std::array<GLdouble, 16> Turn{}; // the last frame's rotation
    std::array<GLdouble, 16> Projection{}; // and its projection
    std::array<GLint, 4> Viewport{};
};
