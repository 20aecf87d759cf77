#include "body_card_text.h"

#include "body_ids.h"
#include "planet_catalogue.h"
#include "sky_bodies.h"
#include "sun_moon_figures.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <cmath>

namespace {

const QLocale& Italian()
{
    static const QLocale italian(QLocale::Italian);
    return italian;
}

// The figure as written, with no digits added: 12.756, 149,6, 24.
QString Figure(double value)
{
    return Italian().toString(value, 'f', QLocale::FloatingPointShortest);
}

QString Line(const char* label, const QString& value)
{
    return QLatin1String(label) + QLatin1String(": ") + value;
}

// "Diametro: 12.756 km": a figure followed by its unit.
QString FigureLine(const char* label, double value, const char* unit)
{
    return Line(label, Figure(value) + QString::fromUtf8(unit));
}

QString DiameterLine(double kilometres)
{
    return FigureLine("Diametro", kilometres, " km");
}

QString OrbitalPeriodLine(double days)
{
    return FigureLine("Periodo orbitale", days, " giorni");
}

// A negative period is a retrograde rotation.
QString RotationLine(double hours, const QString& note = {})
{
    QString value = Figure(std::abs(hours)) + QStringLiteral(" ore");
    if (hours < 0) {
        value += QStringLiteral(" (retrogrado)");
    }
    return Line("Periodo di rotazione", value + note);
}

QStringList PlanetLines(const PlanetInfo& planet)
{
    return {
        DiameterLine(planet.Diameter),
        FigureLine("Distanza media dal Sole", planet.SunDistance, " milioni di km"),
        OrbitalPeriodLine(planet.OrbitalPeriod),
        RotationLine(planet.RotationPeriod),
        FigureLine("Durata del giorno", planet.DayLength, " ore"),
        FigureLine("Inclinazione dell'asse", planet.Obliquity, "°"),
    };
}

QStringList SunLines(const SunInfo& sun)
{
    const QString days = Italian().toString(sun.RotationPeriod / 24, 'f', 1);
    return {
        DiameterLine(sun.Diameter),
        RotationLine(sun.RotationPeriod, QStringLiteral(" (circa ") + days + QStringLiteral(" giorni)")),
    };
}

QStringList MoonLines(const MoonInfo& moon)
{
    return {
        DiameterLine(moon.Diameter),
        FigureLine("Distanza media dalla Terra", moon.EarthDistance, " km"),
        OrbitalPeriodLine(moon.OrbitalPeriod),
        RotationLine(moon.RotationPeriod),
    };
}

} // namespace

QString BodyCardText(std::uint8_t body)
{
    if (body == NoBody || body >= SkyBodies().size()) {
        return {};
    }
    const SkyBody& entry = SkyBodies()[body];
    QStringList lines{QString::fromUtf8(entry.italianName)};
    if (body == Sun) {
        lines += SunLines(XPModule::SunFigures);
    } else if (body == Moon) {
        lines += MoonLines(XPModule::MoonFigures);
    } else {
        lines += PlanetLines(XPModule::Planets[static_cast<std::size_t>(entry.catalogueIndex)]);
    }
    return lines.join(QLatin1Char('\n'));
}
