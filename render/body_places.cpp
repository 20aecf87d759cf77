#include "body_places.h"

#include "scene_geometry.h"
#include "view_frustum.h"

#include <GL/gl.h>
#include <GL/glu.h>

void RecordPlace(BodyPlaces* places, std::uint8_t id)
{
    if (places == nullptr) {
        return;
    }
    const auto [modelView, projection, viewport] = CurrentGlMatrices();
    static constexpr std::array<GLdouble, 16> kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const GLdouble eyeX = modelView[12];
    const GLdouble eyeY = modelView[13];
    const GLdouble eyeZ = modelView[14];
    BodyPlace& place = (*places)[id];
    GLdouble z = 0;
    GLdouble edgeX = 0;
    GLdouble edgeY = 0;
    place.inFront = eyeZ < 0 &&
                    gluProject(eyeX, eyeY, eyeZ, kIdentity.data(), projection.data(), viewport.data(), &place.x,
                               &place.y, &z) == GL_TRUE &&
                    gluProject(eyeX + BodyExtent(static_cast<BodyId>(id)), eyeY, eyeZ, kIdentity.data(),
                               projection.data(), viewport.data(), &edgeX, &edgeY, &z) == GL_TRUE;
    place.extent = edgeX - place.x;
}
