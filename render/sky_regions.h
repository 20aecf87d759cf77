#pragma once

#include "sky_vector.h"
#include "view_frustum.h"

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <span>
#include <vector>

// Primitives on the sky's sphere (points, lines or quads), kept in vertex
// arrays sorted by region of the sky (cells of 30 degrees in the scene's
// longitude and latitude). A frame sends the rasteriser the regions that
// reach into the view alone, in one call: the rest of the sky costs nothing.
class SkyRegionArray {
public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 6;
    static constexpr std::size_t kRegions = kColumns * kRows;

    // The region of a unit direction of the scene.
    static std::size_t RegionOf(const Vector3& direction);

    // What each vertex carries beside its place: nothing, texture
    // coordinates (s, t) or a colour (r, g, b).
    enum class Carried { Nothing, Texture, Colour };
    explicit SkyRegionArray(Carried carried = Carried::Nothing)
        : Carries(carried)
    {
    }

    // Adds one primitive, its unit directions and what its vertices carry,
    // one after the other, to the region of its middle. All primitives of
    // an array have as many vertices.
    void Add(std::span<const Vector3> directions, std::span<const GLfloat> carried = {});
    // Sorts what was added by region; nothing may be added after.
    void Seal();

    // Draws the regions that reach into `view` as primitives of `mode`, the
    // sky a sphere of `radius` about the eye.
    void Draw(GLenum mode, const ViewFrustum& view, double radius) const;

private:
    struct Region {
        std::vector<GLfloat> vertices; // x, y, z at unit distance
        std::vector<GLfloat> carried;
        // How far the farthest vertex lies from the region's middle, as a
        // chord of the unit sphere; negative while empty.
        double reach = -1;
        GLint first = 0; // its first vertex in the sealed arrays
        GLsizei count = 0;
    };
    std::array<Region, kRegions> Regions;
    std::vector<GLfloat> Vertices;
    Carried Carries;
    std::vector<GLfloat> Carry;
};
