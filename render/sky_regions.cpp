#include "sky_regions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kColumnRadians = 2 * std::numbers::pi / SkyRegionArray::kColumns;
constexpr double kRowRadians = std::numbers::pi / SkyRegionArray::kRows;

// The middle of a region, a unit direction.
Vector3 MiddleOf(std::size_t region)
{
    const auto column = static_cast<double>(region % SkyRegionArray::kColumns);
    const auto row = static_cast<double>(region / SkyRegionArray::kColumns);
    const double longitude = (column + 0.5) * kColumnRadians - std::numbers::pi;
    const double latitude = (row + 0.5) * kRowRadians - std::numbers::pi / 2;
    return {std::cos(latitude) * std::cos(longitude), std::sin(latitude), std::cos(latitude) * std::sin(longitude)};
}

// Every region's middle, worked out once.
const Vector3& Middle(std::size_t region)
{
    static const std::array<Vector3, SkyRegionArray::kRegions> middles = [] {
        std::array<Vector3, SkyRegionArray::kRegions> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            all[i] = MiddleOf(i);
        }
        return all;
    }();
    return middles[region];
}

} // namespace

std::size_t SkyRegionArray::RegionOf(const Vector3& direction)
{
    const double longitude = std::atan2(direction[2], direction[0]);
    const double latitude = std::asin(std::clamp(direction[1], -1.0, 1.0));
    const int column = std::clamp(static_cast<int>((longitude + std::numbers::pi) / kColumnRadians), 0, kColumns - 1);
    const int row = std::clamp(static_cast<int>((latitude + std::numbers::pi / 2) / kRowRadians), 0, kRows - 1);
    return static_cast<std::size_t>(row * kColumns + column);
}

void SkyRegionArray::Add(std::span<const Vector3> directions, std::span<const GLfloat> carried)
{
    Vector3 sum{};
    for (const Vector3& direction : directions) {
        sum = sum + direction;
    }
    const double length = Length(sum);
    if (directions.empty() || !(length > 0)) {
        return;
    }
    const std::size_t index = RegionOf(sum / length);
    Region& region = Regions[index];
    for (const Vector3& direction : directions) {
        region.reach = std::max(region.reach, Length(direction - Middle(index)));
        for (const double x : direction) {
            region.vertices.push_back(static_cast<GLfloat>(x));
        }
    }
    region.carried.insert(region.carried.end(), carried.begin(), carried.end());
}

void SkyRegionArray::Seal()
{
    for (Region& region : Regions) {
        region.first = static_cast<GLint>(Vertices.size() / 3);
        region.count = static_cast<GLsizei>(region.vertices.size() / 3);
        Vertices.insert(Vertices.end(), region.vertices.begin(), region.vertices.end());
        Carry.insert(Carry.end(), region.carried.begin(), region.carried.end());
        region.vertices = {};
        region.carried = {};
    }
}

// Regions in view that lie next to each other in the arrays are drawn as
// one run, and each run hands the driver only its own vertices.
void SkyRegionArray::Draw(GLenum mode, const ViewFrustum& view, double radius) const
{
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, Vertices.data());
    if (Carries == Carried::Texture) {
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, 0, Carry.data());
    } else if (Carries == Carried::Colour) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(3, GL_FLOAT, 0, Carry.data());
    }
    // The sphere's radius scales the unit directions.
    glPushMatrix();
    glScaled(radius, radius, radius);
    GLint runFirst = 0;
    GLsizei runCount = 0;
    for (std::size_t index = 0; index < kRegions; ++index) {
        const Region& region = Regions[index];
        if (region.count == 0 || !view.Reaches(Middle(index) * radius, region.reach * radius)) {
            continue;
        }
        if (runCount > 0 && runFirst + runCount != region.first) {
            glDrawArrays(mode, runFirst, runCount);
            runCount = 0;
        }
        if (runCount == 0) {
            runFirst = region.first;
        }
        runCount += region.count;
    }
    if (runCount > 0) {
        glDrawArrays(mode, runFirst, runCount);
    }
    glPopMatrix();
    glPopClientAttrib();
}
