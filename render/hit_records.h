#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <span>

// One record of an OpenGL selection buffer.
struct HitRecord {
    GLuint minDepth;
    GLuint maxDepth;
    std::span<const GLuint> names; // bottom of the name stack first
};

// Calls `visit` for each of the `hits` records in `buffer`, in the order
// OpenGL wrote them. A negative count (overflow) visits nothing; a record
// that would run past the buffer ends the walk.
template <typename Visit>
void ForEachHitRecord(std::span<const GLuint> buffer, int hits, Visit visit)
{
    std::size_t p = 0;
    for (int i = 0; i < hits; ++i) {
        if (p + 3 > buffer.size() || buffer[p] > buffer.size() - p - 3) {
            return;
        }
        const GLuint count = buffer[p];
        visit(HitRecord{buffer[p + 1], buffer[p + 2], buffer.subspan(p + 3, count)});
        p += 3 + count;
    }
}

// The first name of the named record with the smallest minimum depth; on
// equal depths the earlier record wins. 0 when no record has a name.
inline std::uint8_t NearestNamedHit(std::span<const GLuint> buffer, int hits)
{
    std::uint8_t nearest = 0;
    bool taken = false;
    GLuint nearestDepth = 0;
    ForEachHitRecord(buffer, hits, [&](const HitRecord& record) {
        if (!record.names.empty() && (!taken || record.minDepth < nearestDepth)) {
            taken = true;
            nearestDepth = record.minDepth;
            nearest = static_cast<std::uint8_t>(record.names.front());
        }
    });
    return nearest;
}
