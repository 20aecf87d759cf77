#include "sky_bodies.h"
#include "sky_events.h"

#include <QLocale>

namespace {

QString NameOf(BodyId body)
{
    return QString::fromUtf8(SkyBodies()[body].italianName);
}

// Degrees with one decimal and an Italian comma: "47,2°".
QString DegreesText(double degrees)
{
    return QLocale(QLocale::Italian).toString(degrees, 'f', 1) + QStringLiteral("°");
}

} // namespace

SkyEventGroup GroupOf(SkyEventType type)
{
    using enum SkyEventType;
    switch (type) {
    case MarchEquinox:
    case JuneSolstice:
    case SeptemberEquinox:
    case DecemberSolstice:
        return SkyEventGroup::Seasons;
    case NewMoon:
    case FirstQuarter:
    case FullMoon:
    case LastQuarter:
        return SkyEventGroup::MoonPhases;
    case TotalSolarEclipse:
    case AnnularSolarEclipse:
    case HybridSolarEclipse:
    case PartialSolarEclipse:
    case TotalLunarEclipse:
    case PartialLunarEclipse:
    case PenumbralLunarEclipse:
        return SkyEventGroup::Eclipses;
    case Opposition:
    case Conjunction:
    case InferiorConjunction:
    case SuperiorConjunction:
        return SkyEventGroup::SunAlignments;
    case GreatestElongationEast:
    case GreatestElongationWest:
        return SkyEventGroup::Elongations;
    case PlanetConjunction:
        return SkyEventGroup::PlanetConjunctions;
    case MoonConjunction:
        return SkyEventGroup::MoonConjunctions;
    }
    return SkyEventGroup::Seasons;
}

QString SkyEventGroupText(SkyEventGroup group)
{
    switch (group) {
    case SkyEventGroup::Seasons:
        return QStringLiteral("Equinozi e solstizi");
    case SkyEventGroup::MoonPhases:
        return QStringLiteral("Fasi della Luna");
    case SkyEventGroup::Eclipses:
        return QStringLiteral("Eclissi");
    case SkyEventGroup::SunAlignments:
        return QStringLiteral("Opposizioni e congiunzioni col Sole");
    case SkyEventGroup::Elongations:
        return QStringLiteral("Elongazioni massime");
    case SkyEventGroup::PlanetConjunctions:
        return QStringLiteral("Congiunzioni tra pianeti");
    case SkyEventGroup::MoonConjunctions:
        return QStringLiteral("Congiunzioni con la Luna");
    }
    return {};
}

QString SkyEventText(const SkyEvent& event)
{
    using enum SkyEventType;
    switch (event.type) {
    case MarchEquinox:
        return QStringLiteral("Equinozio di marzo");
    case JuneSolstice:
        return QStringLiteral("Solstizio di giugno");
    case SeptemberEquinox:
        return QStringLiteral("Equinozio di settembre");
    case DecemberSolstice:
        return QStringLiteral("Solstizio di dicembre");
    case NewMoon:
        return QStringLiteral("Luna nuova");
    case FirstQuarter:
        return QStringLiteral("Primo quarto");
    case FullMoon:
        return QStringLiteral("Luna piena");
    case LastQuarter:
        return QStringLiteral("Ultimo quarto");
    case TotalSolarEclipse:
        return QStringLiteral("Eclissi totale di Sole");
    case AnnularSolarEclipse:
        return QStringLiteral("Eclissi anulare di Sole");
    case HybridSolarEclipse:
        return QStringLiteral("Eclissi ibrida di Sole");
    case PartialSolarEclipse:
        return QStringLiteral("Eclissi parziale di Sole");
    case TotalLunarEclipse:
        return QStringLiteral("Eclissi totale di Luna");
    case PartialLunarEclipse:
        return QStringLiteral("Eclissi parziale di Luna");
    case PenumbralLunarEclipse:
        return QStringLiteral("Eclissi penombrale di Luna");
    case Opposition:
        return QStringLiteral("Opposizione di %1").arg(NameOf(event.body));
    case Conjunction:
        return QStringLiteral("Congiunzione di %1 col Sole").arg(NameOf(event.body));
    case InferiorConjunction:
        return QStringLiteral("Congiunzione inferiore di %1").arg(NameOf(event.body));
    case SuperiorConjunction:
        return QStringLiteral("Congiunzione superiore di %1").arg(NameOf(event.body));
    case GreatestElongationEast:
        return QStringLiteral("Elongazione massima est di %1 (%2)").arg(NameOf(event.body), DegreesText(event.degrees));
    case GreatestElongationWest:
        return QStringLiteral("Elongazione massima ovest di %1 (%2)")
            .arg(NameOf(event.body), DegreesText(event.degrees));
    case PlanetConjunction:
        return QStringLiteral("Congiunzione %1–%2 (%3)")
            .arg(NameOf(event.body), NameOf(event.other), DegreesText(event.degrees));
    case MoonConjunction:
        return QStringLiteral("Congiunzione Luna–%1 (%2)").arg(NameOf(event.body), DegreesText(event.degrees));
    }
    return {};
}
