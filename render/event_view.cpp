#include "event_view.h"

#include "body_orbits.h"
#include "eclipse_geometry.h"
#include "scene_geometry.h"
#include "view_camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool IsSolarEclipse(SkyEventType type)
{
    return type >= SkyEventType::TotalSolarEclipse && type <= SkyEventType::PartialSolarEclipse;
}

// The body and the direction from it to be faced.
std::pair<BodyId, Vector3> Subject(const SceneState& scene, const SkyEvent& event)
{
    const Vector3 earth = BodyCentre(scene, Earth);
    const Vector3 fromEarthToMoon = BodyCentre(scene, Moon) - earth;
    if (IsSolarEclipse(event.type)) {
        return {Earth, ShadowAxisFoot(scene.Real.sunFromEarth, scene.Real.moonFromEarth)};
    }
    switch (GroupOf(event.type)) {
    case SkyEventGroup::Seasons:
        return {Earth, earth * -1.0}; // the Sun at the origin
    case SkyEventGroup::MoonPhases:
    case SkyEventGroup::Eclipses:
        return {Moon, fromEarthToMoon * -1.0};
    default:
        return {event.body, earth - BodyCentre(scene, event.body)};
    }
}

} // namespace

bool NeedsTrueOrbits(const SkyEvent& event)
{
    return IsSolarEclipse(event.type);
}

EventView ViewOfEvent(const SceneState& scene, const SkyEvent& event, double tilt)
{
    const auto [body, direction] = Subject(scene, event);
    // The body's drawn radius over the distance from the eye to the point it
    // looks at, where a followed body stands: a third of the field is three
    // times the angle it fills.
    const double distance = Length(kLookAtCentre - EyeAt(scene.CameraAngle));
    const double fills = 2 * std::atan(BodyExtent(body) / distance) * 180 / std::numbers::pi;
    return {body, TurnFacing(direction, tilt, scene.CameraAngle), std::max(1, static_cast<int>(std::lround(3 * fills)))};
}
