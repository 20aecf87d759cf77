#pragma once

#include "planet_positions.h"

#include <QDateTime>
#include <QTimeZone>

// A moment written as ISO 8601 without a zone, read as UTC.
inline QDateTime Utc(const char* iso)
{
    QDateTime moment = QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
    moment.setTimeZone(QTimeZone::utc());
    return moment;
}

// `scene` with the nine planets' orbit angles at their longitudes at `moment`.
inline SceneState WithPlanetsAt(SceneState scene, const QDateTime& moment)
{
    for (const PlanetLongitude& planet : HeliocentricLongitudes(moment)) {
        scene.OrbitAngle[planet.body] = ToOrbitAngle(planet.degrees);
    }
    return scene;
}
