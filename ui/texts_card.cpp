#include "texts.h"

#include "planet_catalogue.h"
#include "planet_moons.h"
#include "sky_bodies.h"
#include "sun_moon_figures.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstddef>

namespace {

// The figure as written, with no digits added: 12.756, 149,6, 24.
QString Figure(double value)
{
    return TextLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

QString DiameterLine(double kilometres)
{
    return QCoreApplication::translate("BodyCard", "Diametro: %1 km").arg(Figure(kilometres));
}

QString OrbitalPeriodLine(double days)
{
    return QCoreApplication::translate("BodyCard", "Periodo orbitale: %1 giorni").arg(Figure(days));
}

// A negative period is a retrograde rotation.
QString RotationLine(double hours)
{
    return (hours < 0 ? QCoreApplication::translate("BodyCard", "Periodo di rotazione: %1 ore (retrogrado)")
                      : QCoreApplication::translate("BodyCard", "Periodo di rotazione: %1 ore"))
        .arg(Figure(std::abs(hours)));
}

QStringList PlanetLines(const PlanetInfo& planet)
{
    return {
        DiameterLine(planet.Diameter),
        QCoreApplication::translate("BodyCard", "Distanza media dal Sole: %1 milioni di km")
            .arg(Figure(planet.SunDistance)),
        OrbitalPeriodLine(planet.OrbitalPeriod),
        RotationLine(planet.RotationPeriod),
        QCoreApplication::translate("BodyCard", "Durata del giorno: %1 ore").arg(Figure(planet.DayLength)),
        QCoreApplication::translate("BodyCard", "Inclinazione dell'asse: %1°").arg(Figure(planet.Obliquity)),
    };
}

// The Sun turns the usual way.
QStringList SunLines(const SunInfo& sun)
{
    return {
        DiameterLine(sun.Diameter),
        QCoreApplication::translate("BodyCard", "Periodo di rotazione: %1 ore (circa %2 giorni)")
            .arg(Figure(sun.RotationPeriod), TextLocale().toString(sun.RotationPeriod / 24, 'f', 1)),
    };
}

QStringList MoonLines(const MoonInfo& moon)
{
    return {
        DiameterLine(moon.Diameter),
        QCoreApplication::translate("BodyCard", "Distanza media dalla Terra: %1 km").arg(Figure(moon.EarthDistance)),
        OrbitalPeriodLine(moon.OrbitalPeriod),
        RotationLine(moon.RotationPeriod),
    };
}

QStringList PlanetMoonLines(MoonId moon)
{
    const MoonFacts& facts = FactsOf(moon);
    return {
        QCoreApplication::translate("BodyCard", "Luna di %1").arg(BodyName(facts.planet)),
        DiameterLine(facts.diameterKm),
        QCoreApplication::translate("BodyCard", "Distanza media dal pianeta: %1 km").arg(Figure(facts.meanDistanceKm)),
        OrbitalPeriodLine(facts.periodDays),
    };
}

} // namespace

QString BodyCardText(std::uint8_t body)
{
    const QString name = BodyName(body);
    if (name.isEmpty()) {
        return {};
    }
    QStringList lines{name};
    if (body == Sun) {
        lines += SunLines(XPModule::SunFigures);
    } else if (body == Moon) {
        lines += MoonLines(XPModule::MoonFigures);
    } else if (IsMoonId(body)) {
        lines += PlanetMoonLines(static_cast<MoonId>(body));
    } else {
        lines += PlanetLines(XPModule::Planets[static_cast<std::size_t>(SkyBodies()[body].catalogueIndex)]);
    }
    return lines.join(QLatin1Char('\n'));
}
